// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Self-test for the resource generator: the formats the game relies on, and
// properties showing the sounds and pictures are what they claim to be.

#include "icons.h"
#include "output.h"
#include "palette.h"
#include "sounds.h"
#include "sprites.h"
#include "title.h"
#include "wav.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

using namespace resgen;

namespace {

int g_failures = 0;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: CHECK failed: %s\n", __FILE__, __LINE__, #cond);          \
            ++g_failures;                                                                          \
        }                                                                                          \
    } while (0)

using Pcm = std::vector<std::uint8_t>;

std::uint32_t u32(const QByteArray& b, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

std::uint16_t u16(const QByteArray& b, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double rms(const Pcm& s, int from, int to) {
    double sum = 0.0;
    for (int i = from; i < to; ++i)
        sum += (s[i] - 128.0) * (s[i] - 128.0);
    return std::sqrt(sum / (to - from));
}

// Sign changes around the midpoint per second; samples exactly on the
// midpoint are skipped, so a silent stretch reads as zero.
double crossingRate(const Pcm& s, int from, int to) {
    int crossings = 0;
    int last = 0;
    for (int i = from; i < to; ++i) {
        const int sign = s[i] > 128 ? 1 : (s[i] < 128 ? -1 : 0);
        if (sign != 0) {
            if (last != 0 && sign != last)
                ++crossings;
            last = sign;
        }
    }
    return crossings * static_cast<double>(kSampleRate) / (to - from);
}

int ms(double milliseconds) {
    return static_cast<int>(milliseconds * kSampleRate / 1000.0);
}

// ---------------------------------------------------------------- sounds

void testWavHeader() {
    const QByteArray w = encodeWav({1, 2, 3});
    CHECK(w.size() == 47);
    CHECK(w.left(4) == "RIFF");
    CHECK(u32(w, 4) == 39);
    CHECK(w.mid(8, 4) == "WAVE");
    CHECK(w.mid(12, 4) == "fmt ");
    CHECK(u32(w, 16) == 16);
    CHECK(u16(w, 20) == 1);     // PCM
    CHECK(u16(w, 22) == 1);     // mono
    CHECK(u32(w, 24) == 22050); // sample rate
    CHECK(u32(w, 28) == 22050); // byte rate
    CHECK(u16(w, 32) == 1);     // block align
    CHECK(u16(w, 34) == 8);     // bits
    CHECK(w.mid(36, 4) == "data");
    CHECK(u32(w, 40) == 3);
    CHECK(w.mid(44) == QByteArray("\x01\x02\x03", 3));
}

void testPcmConversion() {
    const Pcm p = toPcm8({0.0, 1.0, -0.5, 0.25}, 100);
    CHECK((p == Pcm{128, 228, 78, 153}));
    // A negative peak sets the scale just as well as a positive one.
    CHECK((toPcm8({0.5, -2.0}, 100) == Pcm{153, 28}));
    CHECK((toPcm8({0.0, 0.0}, 100) == Pcm{128, 128}));
}

// What every effect must satisfy: exact length, moderate level that uses the
// range, starts and ends on silence so it never clicks, same bytes every run.
void checkCommonSoundTraits(const Pcm& s, const Pcm& again, int expectedSize) {
    CHECK(static_cast<int>(s.size()) == expectedSize);
    CHECK(s == again);
    int lo = 255, hi = 0;
    for (auto v : s) {
        lo = std::min<int>(lo, v);
        hi = std::max<int>(hi, v);
    }
    CHECK(hi <= 128 + kSoundPeak && lo >= 128 - kSoundPeak);
    CHECK(std::max(hi - 128, 128 - lo) >= kSoundPeak - 1);
    CHECK(rms(s, 0, expectedSize) > 12.0);
    CHECK(std::abs(s.front() - 128) <= 2);
    CHECK(std::abs(s.back() - 128) <= 2);
}

void testLaser() {
    const Pcm s = makeLaser();
    checkCommonSoundTraits(s, makeLaser(), 6615);
    // A downward sweep: the tone early on is several times higher than late.
    const double early = crossingRate(s, ms(5), ms(40));
    const double late = crossingRate(s, ms(200), ms(260));
    CHECK(early > 2 * 1500.0); // two crossings per cycle
    CHECK(late < 2 * 700.0);
    CHECK(late > 2 * 200.0);
    // Decays: much louder at the start than near the end.
    CHECK(rms(s, ms(5), ms(40)) > 3 * rms(s, ms(200), ms(260)));
}

void testEnemyExplode() {
    const Pcm s = makeEnemyExplode();
    checkCommonSoundTraits(s, makeEnemyExplode(), 11025);
    // Sharp attack: the loudest stretch is at the very start.
    CHECK(rms(s, 0, ms(50)) > rms(s, ms(50), ms(100)));
    CHECK(rms(s, 0, ms(100)) > 3 * rms(s, ms(300), ms(480)));
    // Noise, not a tone: plenty of zero crossings while it is loud.
    CHECK(crossingRate(s, 0, ms(100)) > 1000.0);
}

void testShipExplode() {
    const Pcm s = makeShipExplode();
    checkCommonSoundTraits(s, makeShipExplode(), 66150);
    // Long decay: the tail still rumbles audibly.
    const double start = rms(s, 0, ms(500));
    const double tail = rms(s, ms(2000), ms(2800));
    CHECK(tail > 0.08 * start);
    CHECK(tail < start);
    // Heavy low end: after the opening crackle it is far darker than the
    // enemy's burst.
    const Pcm enemy = makeEnemyExplode();
    CHECK(crossingRate(s, ms(500), ms(2500)) < 0.5 * crossingRate(enemy, 0, ms(200)));
}

// -------------------------------------------------------------- pictures

QMap<int, int> colourCounts(const QImage& img) {
    QMap<int, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++counts[img.pixelIndex(x, y)];
    return counts;
}

bool usesVgaPaletteOnly(const QImage& img) {
    if (img.format() != QImage::Format_Indexed8 || img.colorTable() != vgaPalette())
        return false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelIndex(x, y) >= 16)
                return false;
    return true;
}

QRect extent(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelIndex(x, y) != Black)
                r |= QRect(x, y, 1, 1);
    return r;
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixelIndex(x, y) != b.pixelIndex(x, y);
    return n;
}

void testQuantise() {
    QImage src(3, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, qRgb(250, 10, 5));        // nearly red
    src.setPixel(1, 0, qRgb(120, 130, 125));     // nearly grey
    src.setPixel(2, 0, qRgba(255, 255, 255, 0)); // transparent white
    const QImage q = quantiseToVga(src);
    CHECK(q.pixelIndex(0, 0) == Red);
    CHECK(q.pixelIndex(1, 0) == Grey);
    CHECK(q.pixelIndex(2, 0) == Black);
}

void testUnitPictures() {
    const QImage ship = makePlayerShip(), enemy = makeEnemy(), mine = makeMine();
    const QImage burstA = makeExplosionA(), burstB = makeExplosionB(), small = makeSmallBurst();
    for (const QImage* img : {&ship, &enemy, &mine, &burstA, &burstB, &small}) {
        CHECK(img->size() == QSize(16, 16));
        CHECK(usesVgaPaletteOnly(*img));
        // Black is transparent: corners must be empty so sprites sit on the
        // starfield without a box around them.
        CHECK(img->pixelIndex(0, 0) == Black && img->pixelIndex(15, 15) == Black);
    }

    const auto shipC = colourCounts(ship);
    CHECK(shipC.value(Aqua) >= 8 && shipC.value(White) >= 4 && shipC.value(Grey) >= 20);
    CHECK(shipC.value(Red) == 0 && shipC.value(Yellow) == 0);
    CHECK(256 - shipC.value(Black) > 150); // a full disc, not a speck
    // Round: as wide as it is tall, and roughly symmetric left to right.
    CHECK(extent(ship).width() == extent(ship).height());

    const auto enemyC = colourCounts(enemy);
    CHECK(enemyC.value(Red) + enemyC.value(Maroon) >= 8 && enemyC.value(Yellow) >= 4);
    CHECK(enemyC.value(Grey) + enemyC.value(Silver) > enemyC.value(Red) + enemyC.value(Yellow));
    CHECK(enemyC.value(Aqua) == 0);

    const auto mineC = colourCounts(mine);
    CHECK(mineC.value(Red) > 0 && mineC.value(White) > 0 && mineC.value(Grey) > 0);
    CHECK(256 - mineC.value(Black) < 256 - shipC.value(Black));

    for (const QImage* img : {&burstA, &burstB}) {
        const auto c = colourCounts(*img);
        CHECK(c.value(Red) >= 10 && c.value(Yellow) >= 10 && c.value(Grey) >= 5);
        CHECK(extent(*img).width() >= 13 && extent(*img).height() >= 13);
    }
    CHECK(differingPixels(burstA, burstB) >= 60);
    const auto smallC = colourCounts(small);
    CHECK(smallC.value(Red) > 0 && smallC.value(Yellow) > 0);
    CHECK(256 - smallC.value(Black) < (256 - colourCounts(burstA).value(Black)) / 2);
}

void testBmpRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.bmp");
    const QImage burst = makeExplosionA();
    CHECK(saveBmp(burst, path));
    const QByteArray bytes = readAll(path);
    CHECK(bytes.left(2) == "BM");
    CHECK(u16(bytes, 28) == 4); // four bits per pixel
    const QImage back(path);
    CHECK(back.size() == burst.size());
    bool same = true;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            same = same && back.pixel(x, y) == burst.pixel(x, y);
    CHECK(same);
}

void testLetters() {
    double wide = 0.0, narrow = 0.0, blank = 0.0;
    for (QChar c : QStringLiteral("ORBITAVEN")) {
        const QPainterPath p = wordPath(QString(c));
        CHECK(!p.isEmpty());
        // Every letter fills its full cap height and nothing above or below.
        CHECK(std::abs(p.boundingRect().top() - (-0.65)) < 0.1);
        CHECK(std::abs(p.boundingRect().bottom() - 6.65) < 0.1);
    }
    wordPath("O", &wide);
    wordPath("I", &narrow);
    CHECK(narrow < wide);
    CHECK(wordPath("?", &blank).isEmpty() && blank > 0.0);
    // The counter of the O is open, not filled in.
    CHECK(!wordPath("O").contains(QPointF(2.5, 3.0)));
    CHECK(wordPath("O").contains(QPointF(0.5, 3.0)));
}

void testTitle() {
    const QImage t = makeTitle();
    CHECK(t.size() == QSize(180, 80));
    CHECK(usesVgaPaletteOnly(t));
    const auto c = colourCounts(t);
    CHECK(c.size() == 3 && c.contains(Black) && c.contains(Green) && c.contains(Lime));
    CHECK(c.value(Lime) > 1500);

    // Every letter body pixel is enclosed by outline, never touching black.
    bool outlined = true;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 180; ++x)
            if (t.pixelIndex(x, y) == Lime)
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    outlined = outlined && t.pixelIndex(x + dx, y + dy) != Black;
    CHECK(outlined);

    // Nothing is cut off at the picture's edges.
    for (int x = 0; x < 180; ++x)
        CHECK(t.pixelIndex(x, 0) == Black && t.pixelIndex(x, 79) == Black);
    for (int y = 0; y < 80; ++y)
        CHECK(t.pixelIndex(0, y) == Black && t.pixelIndex(179, y) == Black);

    // Two lines, each a band of rows holding letter bodies, with a gap between.
    auto rowHasLime = [&](int y) {
        for (int x = 0; x < 180; ++x)
            if (t.pixelIndex(x, y) == Lime)
                return true;
        return false;
    };
    std::vector<std::pair<int, int>> bands; // first and last row of each line
    for (int y = 0; y < 80; ++y) {
        if (!rowHasLime(y))
            continue;
        if (!bands.empty() && bands.back().second == y - 1)
            bands.back().second = y;
        else
            bands.push_back({y, y});
    }
    CHECK(bands.size() == 2);

    // Italic to the right: in each line the letters start further right
    // near the top than near the baseline.
    auto leftmostLime = [&](int y) {
        for (int x = 0; x < 180; ++x)
            if (t.pixelIndex(x, y) == Lime)
                return x;
        return -1;
    };
    for (const auto& [top, bottom] : bands) {
        CHECK(bottom - top > 20);
        CHECK(leftmostLime(top + 3) > leftmostLime(bottom - 3) + 4);
    }
}

// Partly transparent pixels on the middle row from the left edge inwards:
// a drawn edge is one or two pixels of antialiasing at any size, one scaled
// up from a small picture smears over several.
int softEdgeWidth(const QImage& icon) {
    const int y = icon.height() / 2;
    int soft = 0;
    for (int x = 0; x < icon.width() && qAlpha(icon.pixel(x, y)) < 255; ++x)
        soft += qAlpha(icon.pixel(x, y)) > 0 ? 1 : 0;
    return soft;
}

void testIcons() {
    std::vector<int> sizes(std::begin(kDesktopIconSizes), std::end(kDesktopIconSizes));
    CHECK((sizes == std::vector<int>{32, 48, 64, 128, 256}));
    for (int size : sizes) {
        for (const QImage& icon : {makeMainIcon(size), makeStudioIcon(size)}) {
            CHECK(icon.size() == QSize(size, size));
            CHECK(icon.hasAlphaChannel());
            CHECK(qAlpha(icon.pixel(0, 0)) == 0);
            CHECK(qAlpha(icon.pixel(size / 2, size / 2)) == 255);
        }
        CHECK(softEdgeWidth(makeMainIcon(size)) <= 2);
    }
    const QImage smeared =
        makeMainIcon(32).scaled(256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    CHECK(softEdgeWidth(smeared) > 2);
    // The program icon shows the craft's cyan core in the middle.
    for (int size : sizes) {
        const QRgb core = makeMainIcon(size).pixel(size / 2, size / 2);
        CHECK(qBlue(core) > 150 && qGreen(core) > 150 && qRed(core) < 120);
    }
}

// ------------------------------------------------------------- the set

void testQrc() {
    QMap<QString, QString> entries; // ":/prefix/alias" -> file
    QXmlStreamReader xml(makeQrc());
    QString prefix;
    CHECK(xml.readNextStartElement() && xml.name() == QLatin1String("RCC"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("qresource")) {
            prefix = xml.attributes().value("prefix").toString();
        } else if (xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value("alias").toString();
            entries.insert(":" + prefix + "/" + alias, xml.readElementText());
        }
    }
    CHECK(!xml.hasError());
    const QMap<QString, QString> expected = {
        {":/rcdata/SND_LASER", "sounds/SND_LASER.wav"},
        {":/rcdata/SND_ENEMY_EXPLODE", "sounds/SND_ENEMY_EXPLODE.wav"},
        {":/rcdata/SND_MYSHIP_EXPLODE", "sounds/SND_MYSHIP_EXPLODE.wav"},
        {":/bitmap/100", "bitmaps/100.bmp"},
        {":/bitmap/101", "bitmaps/101.bmp"},
        {":/bitmap/102", "bitmaps/102.bmp"},
        {":/bitmap/103", "bitmaps/103.bmp"},
        {":/bitmap/104", "bitmaps/104.bmp"},
        {":/bitmap/105", "bitmaps/105.bmp"},
        {":/icon/MAINICON", "icons/MAINICON.png"},
        {":/icon/MAINICON@2x", "icons/MAINICON@2x.png"},
        {":/icon/MAINICON@3x", "icons/MAINICON@3x.png"},
        {":/icon/ZEOICON", "icons/ZEOICON.png"},
        {":/icon/ZEOICON@2x", "icons/ZEOICON@2x.png"},
        {":/icon/ZEOICON@3x", "icons/ZEOICON@3x.png"},
        {":/icon/MAINICON-48", "icons/hicolor/48x48/apps/orbit-raven.png"},
        {":/icon/MAINICON-128", "icons/hicolor/128x128/apps/orbit-raven.png"},
        {":/icon/MAINICON-256", "icons/hicolor/256x256/apps/orbit-raven.png"},
        {":/form/MainForm.TitleImageBox", "pictures/title.bmp"},
    };
    CHECK(entries == expected);
}

QMap<QString, QByteArray> tree(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readAll(path));
    }
    return files;
}

void testWriteAll() {
    QTemporaryDir a, b;
    QStringList written;
    QString error;
    CHECK(writeAll(a.path(), &written, &error));
    CHECK(error.isEmpty());
    const auto files = tree(a.path());
    CHECK(files.size() == 22 && written.size() == 22);

    // Everything the .qrc names exists, so rcc will not fail on it.
    for (const auto& e : resourceTable())
        CHECK(files.contains(e.file));

    CHECK(files.value("sounds/SND_LASER.wav").size() == 44 + 6615);
    CHECK(files.value("sounds/SND_ENEMY_EXPLODE.wav").size() == 44 + 11025);
    CHECK(files.value("sounds/SND_MYSHIP_EXPLODE.wav").size() == 44 + 66150);
    CHECK(u32(files.value("sounds/SND_MYSHIP_EXPLODE.wav"), 40) == 66150);
    CHECK(QImage::fromData(files.value("pictures/title.bmp")).size() == QSize(180, 80));
    for (const int size : kDesktopIconSizes) {
        const QString icon = QStringLiteral("icons/hicolor/%1x%1/apps/orbit-raven.png").arg(size);
        CHECK(QImage::fromData(files.value(icon)).size() == QSize(size, size));
    }
    for (const int scale : {2, 3})
        for (const char* name : {"MAINICON", "ZEOICON"}) {
            const QString icon = QStringLiteral("icons/%1@%2x.png").arg(name).arg(scale);
            CHECK(QImage::fromData(files.value(icon)).size() == QSize(32 * scale, 32 * scale));
        }

    // A second run reproduces every byte.
    QStringList again;
    CHECK(writeAll(b.path(), &again, &error));
    CHECK(tree(b.path()) == files);
}

// The committed resources must be what this generator makes; otherwise
// someone edited a generated file by hand or forgot to regenerate.
void testCommittedResourcesAreCurrent() {
    const QString committed = QStringLiteral(RESGEN_COMMITTED_DIR);
    if (!QDir(committed).exists("resources.qrc")) {
        std::printf("note: no committed resources at %s, comparison skipped\n",
                    qPrintable(committed));
        return;
    }
    QTemporaryDir fresh;
    QStringList written;
    QString error;
    CHECK(writeAll(fresh.path(), &written, &error));
    const auto generated = tree(fresh.path());
    const auto onDisk = tree(committed);
    for (auto it = generated.begin(); it != generated.end(); ++it) {
        const bool same = onDisk.value(it.key()) == it.value();
        if (!same)
            std::fprintf(stderr, "stale: %s\n", qPrintable(it.key()));
        CHECK(same);
    }
}

} // namespace

int main() {
    testWavHeader();
    testPcmConversion();
    testLaser();
    testEnemyExplode();
    testShipExplode();
    testQuantise();
    testUnitPictures();
    testBmpRoundTrip();
    testLetters();
    testTitle();
    testIcons();
    testQrc();
    testWriteAll();
    testCommittedResourcesAreCurrent();
    if (g_failures) {
        std::fprintf(stderr, "%d check(s) failed\n", g_failures);
        return 1;
    }
    std::printf("all checks passed\n");
    return 0;
}
