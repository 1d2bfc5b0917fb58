// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandTools.h"

#include "Driver.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

namespace orv::e2e {

namespace {

QJsonObject FindIn(const QJsonObject& node, const QString& title) {
    if (node.value("name").toString() == title && node.contains("app_id"))
        return node;
    for (const char* list : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(list).toArray()) {
            const QJsonObject found = FindIn(child.toObject(), title);
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

} // namespace

QJsonObject SwayWindow(const DesktopSession& desktop, const QString& title, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 200) {
        const QJsonObject tree =
            QJsonDocument::fromJson(desktop.RunTool("swaymsg", {"-t", "get_tree", "-r"})).object();
        const QJsonObject window = FindIn(tree, title);
        if (!window.isEmpty())
            return window;
        Wait(200);
    }
    return {};
}

bool SwayWindowGone(const DesktopSession& desktop, const QString& title) {
    for (int waited = 0; waited <= 3000; waited += 200) {
        if (SwayWindow(desktop, title, 0).isEmpty())
            return true;
        Wait(200);
    }
    return false;
}

QString SwayBorder(const DesktopSession& desktop, const QString& title) {
    QString border;
    for (int waited = 0; waited <= 3000 && (border.isEmpty() || border == "none"); waited += 200) {
        border = SwayWindow(desktop, title).value("border").toString();
        Wait(200);
    }
    return border;
}

QRect RectOf(const QJsonObject& node) {
    const QJsonObject r = node.value("rect").toObject();
    return {r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(),
            r.value("height").toInt()};
}

void Type(const DesktopSession& desktop, const QStringList& args) {
    desktop.RunTool("wtype", args);
    Wait(400);
}

QImage SwayShot(const DesktopSession& desktop, const QRect& rect) {
    const QTemporaryDir dir;
    const QString file = dir.filePath("shot.png");
    desktop.RunTool("grim", {"-g",
                             QStringLiteral("%1,%2 %3x%4")
                                 .arg(rect.x())
                                 .arg(rect.y())
                                 .arg(rect.width())
                                 .arg(rect.height()),
                             file});
    return QImage(file);
}

QImage WestonShot(const DesktopSession& desktop) {
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setProcessEnvironment(desktop.Environment(QProcessEnvironment::systemEnvironment()));
    shooter.setWorkingDirectory(dir.path());
    shooter.start("weston-screenshooter", {});
    shooter.waitForFinished(10000);
    const QStringList shots = QDir(dir.path()).entryList({"*.png"});
    return shots.isEmpty() ? QImage() : QImage(dir.filePath(shots.first()));
}

} // namespace orv::e2e
