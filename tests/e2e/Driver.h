// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The driver of the whole-program tests: the real program under Xvfb with a
// small window manager; keys and the mouse go in through xdotool, windows are
// found and measured with xdotool and xwininfo, and screenshots come back
// through the X server.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orv::e2e {

// Where the program under test is and where screenshots go (empty: none are
// kept); main() sets them from its command line before any test runs.
void SetRunPaths(const QString& program, const QString& shots);

// The test's own environment with the program's pixels scaled by a factor.
QProcessEnvironment ScaledEnvironment(int scale);

QString RunTool(const QString& program, const QStringList& args, int timeoutMs = 10000);
void Wait(int ms);

// Xvfb picks a free display itself and writes its number once it listens,
// so the display is this run's own server and parallel runs never meet.
QString StartOwnXServer(QProcess& xvfb);

// A visible window by its title as the window manager shows it
// (_NET_WM_NAME): a program started under a locale the machine lacks writes
// the legacy name in Latin-1, which xdotool's own name search would miss.
QString VisibleWindowNamed(const QString& title, int timeoutMs = 10000);

// Another program's window (xmessage, at an X geometry such as "+1800+100"
// if given) that takes the activation from ours; it goes when this does.
class AnotherProgram {
public:
    explicit AnotherProgram(const QString& geometry = {});
    ~AnotherProgram();
    // Whether its window showed and was given the activation.
    bool Active() const { return active_; }

private:
    QProcess process_;
    bool active_ = false;
};

// The program started from a fresh copy of its folder.
class Program {
public:
    explicit Program(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                     const QByteArray& settings = {}, const QStringList& args = {});
    ~Program();

    bool WaitForWindow();
    // The main window's X11 id, as xdotool gives it.
    const QString& Window() const { return window_; }
    void Key(const QString& key);
    QImage Grab() const;

    // The play field's top-left pixel inside the window: below the menu bar,
    // at the titled frame's content offset.
    QPoint FieldOrigin() const { return {8, height_ - 422 + 14}; }
    QPoint ClientOrigin() const { return {0, height_ - 422}; }

    void ClickCloseButton();
    // Answers the quit question with a key: Return for yes, Escape for no.
    bool AnswerQuestion(const QString& key, const QString& caption = "確認");

    // Iconified by the window manager, as its title-bar button does, and
    // brought back as the task bar does.
    void Minimize();
    void Restore();
    bool Mapped() const;
    QPoint Position();
    // Starts the program again in the same folder, settings and all.
    void Restart();
    void WriteSettings(const QByteArray& bytes);
    void MoveTo(int x, int y);
    int X() const { return x_; }
    int Y() const { return y_; }

    bool Running() const { return process_.state() == QProcess::Running; }
    void Terminate() { process_.terminate(); }
    bool WaitForExit(int ms) { return process_.waitForFinished(ms); }
    int ExitCode() const { return process_.exitCode(); }
    int Status() const { return process_.exitStatus(); }
    QByteArray SettingsFile() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void ReadGeometry();

    QTemporaryDir folder_;
    QStringList args_;
    QProcess process_;
    QString window_;
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
};

// Pixels in the area that match.
int Count(const QImage& image, QRect area, bool (*match)(QRgb));
bool IsGreen(QRgb c);
bool IsWhite(QRgb c);
bool IsRed(QRgb c);
bool IsLit(QRgb c);

QRect FieldRect(const Program& p, int x, int y, int w, int h);

// xwininfo gives the window's absolute place under a reparenting window
// manager, where xdotool's answer is off by the decoration. What it does not
// tell (a window gone) stays as it was in rect.
void ReadWindowRect(const QString& window, QRect& rect);

// The place and size of the visible window with this exact title.
QRect WindowRect(const QString& title, int timeoutMs = 10000);
QImage GrabScreen(const QRect& rect);
// Keeps a screenshot in the screenshot folder, when there is one.
void Save(const QImage& image, const char* name);

void MouseTo(QPoint screen);
QPoint MouseLocation();

} // namespace orv::e2e
