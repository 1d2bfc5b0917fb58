// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output.h"

#include "icons.h"
#include "palette.h"
#include "sounds.h"
#include "sprites.h"
#include "title.h"
#include "wav.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <functional>

namespace resgen {

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

bool writeImage(const QString& path, const QImage& img, const char* format, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, format)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

struct Picture {
    const char* name;
    std::function<QImage()> make;
};

const std::vector<Picture>& unitPictures() {
    static const std::vector<Picture> pictures = {
        {"100", makePlayerShip}, {"101", makeEnemy},      {"102", makeMine},
        {"103", makeExplosionA}, {"104", makeExplosionB}, {"105", makeSmallBurst},
    };
    return pictures;
}

} // namespace

const std::vector<ResourceEntry>& resourceTable() {
    static const std::vector<ResourceEntry> table = {
        {"/rcdata", "SND_LASER", "sounds/SND_LASER.wav"},
        {"/rcdata", "SND_ENEMY_EXPLODE", "sounds/SND_ENEMY_EXPLODE.wav"},
        {"/rcdata", "SND_MYSHIP_EXPLODE", "sounds/SND_MYSHIP_EXPLODE.wav"},
        {"/bitmap", "100", "bitmaps/100.bmp"},
        {"/bitmap", "101", "bitmaps/101.bmp"},
        {"/bitmap", "102", "bitmaps/102.bmp"},
        {"/bitmap", "103", "bitmaps/103.bmp"},
        {"/bitmap", "104", "bitmaps/104.bmp"},
        {"/bitmap", "105", "bitmaps/105.bmp"},
        {"/icon", "MAINICON", "icons/MAINICON.png"},
        {"/icon", "MAINICON@2x", "icons/MAINICON@2x.png"},
        {"/icon", "MAINICON@3x", "icons/MAINICON@3x.png"},
        {"/icon", "ZEOICON", "icons/ZEOICON.png"},
        {"/icon", "ZEOICON@2x", "icons/ZEOICON@2x.png"},
        {"/icon", "ZEOICON@3x", "icons/ZEOICON@3x.png"},
        // The desktop icon's sizes, so the window icon has each of them too.
        {"/icon", "MAINICON-48", "icons/hicolor/48x48/apps/orbit-raven.png"},
        {"/icon", "MAINICON-128", "icons/hicolor/128x128/apps/orbit-raven.png"},
        {"/icon", "MAINICON-256", "icons/hicolor/256x256/apps/orbit-raven.png"},
        {"/form", "MainForm.TitleImageBox", "pictures/title.bmp"},
    };
    return table;
}

QString makeQrc() {
    QString out;
    QTextStream s(&out);
    s << "<RCC>\n";
    QString open;
    for (const auto& e : resourceTable()) {
        if (e.prefix != open) {
            if (!open.isEmpty())
                s << "  </qresource>\n";
            s << "  <qresource prefix=\"" << e.prefix << "\">\n";
            open = e.prefix;
        }
        s << "    <file alias=\"" << e.alias << "\">" << e.file << "</file>\n";
    }
    s << "  </qresource>\n</RCC>\n";
    return out;
}

bool writeAll(const QString& dir, QStringList* written, QString* error) {
    const QDir root(dir);
    auto sound = [&](const char* rel, const std::vector<std::uint8_t>& pcm) {
        const QString path = root.filePath(QString::fromLatin1(rel));
        written->append(path);
        return writeBytes(path, encodeWav(pcm), error);
    };
    if (!sound("sounds/SND_LASER.wav", makeLaser()) ||
        !sound("sounds/SND_ENEMY_EXPLODE.wav", makeEnemyExplode()) ||
        !sound("sounds/SND_MYSHIP_EXPLODE.wav", makeShipExplode()))
        return false;

    for (const auto& pic : unitPictures()) {
        const QString path = root.filePath(QStringLiteral("bitmaps/%1.bmp").arg(pic.name));
        written->append(path);
        if (!writeImage(path, pic.make(), "BMP", error))
            return false;
    }

    auto image = [&](const QString& rel, const QImage& img, const char* format) {
        const QString path = root.filePath(rel);
        written->append(path);
        return writeImage(path, img, format, error);
    };
    if (!image("pictures/title.bmp", makeTitle(), "BMP") ||
        !image("icons/MAINICON.png", makeMainIcon(32), "PNG") ||
        !image("icons/ZEOICON.png", makeStudioIcon(32), "PNG"))
        return false;
    // Drawn anew at twice and three times the size for scaled screens, where
    // a doubled 32 px picture would look coarse.
    for (const int scale : {2, 3}) {
        const QString suffix = QStringLiteral("@%1x.png").arg(scale);
        if (!image("icons/MAINICON" + suffix, makeMainIcon(32 * scale), "PNG") ||
            !image("icons/ZEOICON" + suffix, makeStudioIcon(32 * scale), "PNG"))
            return false;
    }
    // Laid out as the hicolor theme wants it, so it installs as one folder.
    for (const int size : kDesktopIconSizes) {
        const QString rel = QStringLiteral("icons/hicolor/%1x%1/apps/orbit-raven.png").arg(size);
        if (!image(rel, makeMainIcon(size), "PNG"))
            return false;
    }

    const QString qrc = root.filePath(QStringLiteral("resources.qrc"));
    written->append(qrc);
    return writeBytes(qrc, makeQrc().toUtf8(), error);
}

bool writePreviews(const QString& dir, QString* error) {
    const QDir root(dir);
    // All unit pictures side by side, separated by grey bars.
    constexpr int scale = 8, gap = 8;
    const int cell = kUnitSize * scale;
    const auto& pics = unitPictures();
    QImage sheet(static_cast<int>(pics.size()) * (cell + gap) + gap, cell + 2 * gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(64, 64, 64));
    {
        QPainter p(&sheet);
        int x = gap;
        for (const auto& pic : pics) {
            p.drawImage(x, gap, enlarge(pic.make(), scale));
            x += cell + gap;
        }
    }
    if (!writeImage(root.filePath(QStringLiteral("units-x8.png")), sheet, "PNG", error))
        return false;
    return writeImage(root.filePath(QStringLiteral("title-x2.png")), enlarge(makeTitle(), 2), "PNG",
                      error) &&
           writeImage(root.filePath(QStringLiteral("title-x4.png")), enlarge(makeTitle(), 4), "PNG",
                      error) &&
           writeImage(root.filePath(QStringLiteral("MAINICON-x8.png")),
                      enlarge(makeMainIcon(32), 8), "PNG", error) &&
           writeImage(root.filePath(QStringLiteral("ZEOICON-x8.png")),
                      enlarge(makeStudioIcon(32), 8), "PNG", error) &&
           writeImage(root.filePath(QStringLiteral("orbit-raven-x2.png")),
                      enlarge(makeMainIcon(128), 2), "PNG", error) &&
           writeImage(root.filePath(QStringLiteral("orbit-raven-48-x4.png")),
                      enlarge(makeMainIcon(48), 4), "PNG", error);
}

} // namespace resgen
