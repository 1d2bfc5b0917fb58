// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A desktop for the whole-program tests: an X server with one of the window
// managers players use, or a headless Wayland compositor. Each is started in
// a session of its own and stopped with everything it started; one that
// cannot start here says why, so its run is skipped rather than passed.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace orv::e2e {

class DesktopSession {
public:
    // The desktops the tests know, by the names their runs are given.
    static QStringList Names();
    // Null when the desktop could not be started; reason then says why.
    static std::unique_ptr<DesktopSession> Start(const QString& name, QString& reason);

    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    const QString& Name() const { return name_; }
    bool X11() const { return x11_; }
    // Whether the desktop draws the windows' title bars (every X11 window
    // manager, and compositors offering server-side decorations).
    bool DrawsTitleBars() const { return drawsTitleBars_; }
    // What a program needs to be shown on this desktop, on top of env.
    QProcessEnvironment Environment(QProcessEnvironment env) const;
    // A tool of the desktop's own (swaymsg, wtype, grim) run against it.
    QByteArray RunTool(const QString& program, const QStringList& args) const;

    // How a desktop is started and what it offers.
    struct Kind;

private:
    explicit DesktopSession(const Kind& kind);
    bool StartX11(const Kind& kind, QString& reason);
    bool StartWayland(const Kind& kind, QString& reason);
    bool WaitForX11WindowManager(QString& reason);
    bool Refused();
    QByteArray Log() const;
    bool WaitForSocket(const QString& pattern, QString& reason);
    QString WhyItEnded(const QString& what);
    void StartInOwnSession(QProcess& process, const QStringList& command,
                           const QProcessEnvironment& env);
    static void Stop(QProcess& process);

    QString name_;
    bool x11_ = true;
    bool drawsTitleBars_ = true;
    QTemporaryDir runtime_;
    QProcess server_;
    QProcess manager_;
    QString display_;
    QString waylandSocket_;
    QString swaySocket_;
};

} // namespace orv::e2e
