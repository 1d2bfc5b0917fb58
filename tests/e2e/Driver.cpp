// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>

namespace orv::e2e {
namespace {

struct RunPaths {
    QString program;
    QString shots;
};

RunPaths& Paths() {
    static RunPaths paths;
    return paths;
}

} // namespace

void ReadWindowRect(const QString& window, QRect& rect) {
    for (const QString& raw : RunTool("xwininfo", {"-id", window}).split('\n')) {
        const QString line = raw.trimmed();
        const int value = line.section(':', 1).trimmed().toInt();
        if (line.startsWith("Absolute upper-left X:"))
            rect.moveLeft(value);
        else if (line.startsWith("Absolute upper-left Y:"))
            rect.moveTop(value);
        else if (line.startsWith("Width:"))
            rect.setWidth(value);
        else if (line.startsWith("Height:"))
            rect.setHeight(value);
    }
}

void SetRunPaths(const QString& program, const QString& shots) {
    Paths() = {program, shots};
}

AnotherProgram::AnotherProgram(const QString& geometry) {
    QStringList args{"-title", "OTHER", "another program"};
    if (!geometry.isEmpty())
        args = QStringList{"-geometry", geometry} + args;
    process_.start("xmessage", args);
    const QString window = VisibleWindowNamed("OTHER");
    if (window.isEmpty())
        return;
    RunTool("xdotool", {"windowactivate", "--sync", window});
    Wait(800);
    active_ = true;
}

AnotherProgram::~AnotherProgram() {
    process_.kill();
    process_.waitForFinished(3000);
}

QProcessEnvironment ScaledEnvironment(int scale) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", QString::number(scale));
    return env;
}

QString RunTool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(timeoutMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void Wait(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

QString StartOwnXServer(QProcess& xvfb) {
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "2560x1600x24", "-nolisten", "tcp"});
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.contains('\n') && xvfb.state() != QProcess::NotRunning &&
           clock.elapsed() < 10000) {
        xvfb.waitForReadyRead(100);
        number += xvfb.readAllStandardOutput();
    }
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    return ok ? QStringLiteral(":%1").arg(display) : QString();
}

QString VisibleWindowNamed(const QString& title, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    do {
        for (const QString& id : RunTool("xdotool", {"search", "--onlyvisible", "--name", "."})
                                     .split('\n', Qt::SkipEmptyParts))
            if (RunTool("xdotool", {"getwindowname", id}) == title)
                return id;
        Wait(200);
    } while (clock.elapsed() < timeoutMs);
    return {};
}

// --- Program ------------------------------------------------------------------

Program::Program(const QProcessEnvironment& env, const QByteArray& settings,
                 const QStringList& args)
    : args_(args) {
    const QString dir = folder_.path();
    const QString& programPath = Paths().program;
    if (!settings.isEmpty())
        WriteSettings(settings);
    process_.setProcessEnvironment(env);
    QFile::copy(programPath, dir + "/orbit-raven");
    QFile::copy(QFileInfo(programPath).dir().filePath("Manual.txt"), dir + "/Manual.txt");
    process_.setWorkingDirectory(dir);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(dir + "/orbit-raven", args_);
    process_.waitForStarted(10000);
}

Program::~Program() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool Program::WaitForWindow() {
    window_ = VisibleWindowNamed("ORBIT RAVEN", 15000);
    if (window_.isEmpty())
        return false;
    RunTool("xdotool", {"windowactivate", "--sync", window_});
    Wait(500);
    ReadGeometry();
    return true;
}

void Program::Key(const QString& key) {
    RunTool("xdotool", {"windowactivate", "--sync", window_});
    RunTool("xdotool", {"key", "--clearmodifiers", key});
    Wait(400);
}

QImage Program::Grab() const {
    return GrabScreen({x_, y_, width_, height_});
}

void Program::ClickCloseButton() {
    // The program's own title bar, when asked for, runs along the top of its
    // window; the window manager's sits just above the window. Either has
    // its close button at the right end.
    const bool own = args_.contains("--title-bar=own");
    const int y = own ? y_ + 9 : y_ - 9;
    RunTool("xdotool",
            {"mousemove", "--sync", QString::number(x_ + width_ - 9), QString::number(y)});
    RunTool("xdotool", {"click", "1"});
}

bool Program::AnswerQuestion(const QString& key, const QString& caption) {
    const QString dialog = VisibleWindowNamed(caption, 10000);
    if (dialog.isEmpty())
        return false;
    RunTool("xdotool", {"windowactivate", "--sync", dialog});
    Wait(300);
    RunTool("xdotool", {"key", "--clearmodifiers", key});
    Wait(500);
    return true;
}

void Program::Minimize() {
    RunTool("xdotool", {"windowminimize", "--sync", window_});
    Wait(500);
}

void Program::Restore() {
    RunTool("xdotool", {"windowactivate", "--sync", window_});
    Wait(500);
}

bool Program::Mapped() const {
    return RunTool("xwininfo", {"-id", window_}).contains("Map State: IsViewable");
}

QPoint Program::Position() {
    ReadGeometry();
    return {x_, y_};
}

void Program::Restart() {
    process_.start(folder_.filePath("orbit-raven"), args_);
    process_.waitForStarted(10000);
}

void Program::WriteSettings(const QByteArray& bytes) {
    QFile file(folder_.filePath("orbit-raven.INI"));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void Program::MoveTo(int x, int y) {
    RunTool("xdotool", {"windowmove", "--sync", window_, QString::number(x), QString::number(y)});
    Wait(500);
    ReadGeometry();
}

QByteArray Program::SettingsFile() const {
    QFile file(folder_.filePath("orbit-raven.INI"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Program::ReadGeometry() {
    QRect rect(x_, y_, width_, height_);
    ReadWindowRect(window_, rect);
    x_ = rect.x();
    y_ = rect.y();
    width_ = rect.width();
    height_ = rect.height();
}

// --- Pixels and windows -------------------------------------------------------

int Count(const QImage& image, QRect area, bool (*match)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += match(image.pixel(x, y));
    return count;
}

bool IsGreen(QRgb c) {
    return qGreen(c) >= 100 && qRed(c) < 80 && qBlue(c) < 80;
}
bool IsWhite(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
}
bool IsRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool IsLit(QRgb c) {
    return (c & 0xFFFFFF) != 0;
}

QRect FieldRect(const Program& p, int x, int y, int w, int h) {
    return {p.FieldOrigin().x() + x, p.FieldOrigin().y() + y, w, h};
}

QRect WindowRect(const QString& title, int timeoutMs) {
    const QString window = VisibleWindowNamed(title, timeoutMs);
    if (window.isEmpty())
        return {};
    QRect rect;
    ReadWindowRect(window, rect);
    return rect;
}

QImage GrabScreen(const QRect& rect) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
        .toImage();
}

void Save(const QImage& image, const char* name) {
    if (!Paths().shots.isEmpty())
        image.save(QDir(Paths().shots).filePath(name));
}

// --- The mouse ----------------------------------------------------------------

void MouseTo(QPoint screen) {
    RunTool("xdotool",
            {"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y())});
}

QPoint MouseLocation() {
    const QString where = RunTool("xdotool", {"getmouselocation"});
    const QRegularExpressionMatch m = QRegularExpression("x:(-?\\d+) y:(-?\\d+)").match(where);
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint(-1, -1);
}

} // namespace orv::e2e
