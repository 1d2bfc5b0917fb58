// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include "Driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <array>

namespace orv::e2e {

struct DesktopSession::Kind {
    const char* name;
    bool x11;
    bool drawsTitleBars;
    // The command; {socket} stands for the Wayland socket's name.
    QStringList command;
    // Needs a D-Bus session bus of its own (its settings, its services).
    bool bus = false;
    // Refuses to run as root: started as an unprivileged user then.
    bool unprivileged = false;
    QStringList environment = {};
    // Run from a plain copy when the installed binary may not be executed.
    bool copyIfRefused = false;
};

namespace {

using Kind = DesktopSession::Kind;

const std::array<Kind, 8>& Kinds() {
    static const std::array<Kind, 8> kinds{{
        {"openbox", true, true, {"openbox"}},
        {"mutter", true, true, {"mutter", "--x11", "--replace"}, true},
        {"kwin", true, true, {"kwin_x11", "--replace"}, true},
        {"xfwm4", true, true, {"xfwm4", "--replace"}, true},
        {"weston",
         false,
         false,
         // Drawn in memory, and with the debug protocols, which let a test
         // take a screenshot.
         {"weston", "--backend=headless-backend.so", "--use-pixman", "--debug", "--socket={socket}",
          "--idle-time=0"}},
        {"sway",
         false,
         true,
         {"sway", "--config", "{config}"},
         false,
         true,
         {"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman"}},
        {"mutter-wayland",
         false,
         false,
         {"mutter", "--wayland", "--headless", "--no-x11", "--virtual-monitor", "1024x768",
          "--wayland-display", "{socket}"},
         true},
        {"kwin-wayland",
         false,
         true,
         {"kwin_wayland", "--virtual", "--width", "1024", "--height", "768", "--socket",
          "{socket}"},
         true,
         false,
         {},
         true},
    }};
    return kinds;
}

const Kind* Find(const QString& name) {
    for (const Kind& kind : Kinds())
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

// sway's configuration: no Xwayland, no bar, title bars on every window.
const char* const kSwayConfig = "xwayland disable\n"
                                "default_border normal\n"
                                "output * resolution 1600x1000\n"
                                "seat seat0 fallback true\n";

// The test's own Qt settings are not the desktop's: a compositor or window
// manager written with Qt would take them for its own.
QProcessEnvironment DesktopEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    return env;
}

QByteArray LastLines(const QByteArray& text, int count) {
    QList<QByteArray> lines = text.trimmed().split('\n');
    if (lines.size() > count)
        lines = lines.mid(lines.size() - count);
    return lines.join(" | ");
}

} // namespace

QStringList DesktopSession::Names() {
    QStringList names;
    for (const Kind& kind : Kinds())
        names << QLatin1String(kind.name);
    return names;
}

std::unique_ptr<DesktopSession> DesktopSession::Start(const QString& name, QString& reason) {
    const Kind* kind = Find(name);
    if (!kind) {
        reason = "no desktop is called " + name;
        return nullptr;
    }
    QStringList tools{kind->command.first()};
    if (kind->x11)
        tools << "Xvfb"
              << "xprop";
    if (kind->bus)
        tools << "dbus-run-session";
    for (const QString& tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            reason = tool + " is not installed";
            return nullptr;
        }
    }
    std::unique_ptr<DesktopSession> session(new DesktopSession(*kind));
    if (!(kind->x11 ? session->StartX11(*kind, reason) : session->StartWayland(*kind, reason)))
        return nullptr;
    return session;
}

DesktopSession::DesktopSession(const Kind& kind)
    : name_(QLatin1String(kind.name)), x11_(kind.x11), drawsTitleBars_(kind.drawsTitleBars) {
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

DesktopSession::~DesktopSession() {
    Stop(manager_);
    Stop(server_);
}

void DesktopSession::Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    // Everything the session started: a bus, services, helpers.
    const pid_t group = static_cast<pid_t>(process.processId());
    ::kill(-group, SIGTERM);
    if (!process.waitForFinished(3000))
        ::kill(-group, SIGKILL);
    process.waitForFinished(3000);
    // The rest of the group may still be on its way out, writing its files.
    for (int i = 0; i < 30 && ::kill(-group, 0) == 0; ++i)
        Wait(100);
    ::kill(-group, SIGKILL);
}

void DesktopSession::StartInOwnSession(QProcess& process, const QStringList& command,
                                       const QProcessEnvironment& env) {
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] { ::setsid(); });
    // A file, not a pipe: a pipe nobody reads would stop a chatty desktop.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(runtime_.filePath("desktop.log"));
    process.start(command.first(), command.mid(1));
    process.waitForStarted(5000);
}

QByteArray DesktopSession::Log() const {
    QFile file(runtime_.filePath("desktop.log"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DesktopSession::WhyItEnded(const QString& what) {
    const QByteArray said = LastLines(Log(), 3);
    return what + (said.isEmpty() ? QString() : ": " + QString::fromLocal8Bit(said));
}

bool DesktopSession::StartX11(const Kind& kind, QString& reason) {
    display_ = StartOwnXServer(server_);
    if (display_.isEmpty()) {
        reason = "Xvfb did not start";
        return false;
    }
    QProcessEnvironment env = DesktopEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    QStringList command = kind.command;
    if (kind.bus)
        command = QStringList{"dbus-run-session", "--"} + command;
    StartInOwnSession(manager_, command, env);
    return WaitForX11WindowManager(reason);
}

// A window manager is running once it names a window of its own on the root
// window (_NET_SUPPORTING_WM_CHECK) and that window exists.
bool DesktopSession::WaitForX11WindowManager(QString& reason) {
    QElapsedTimer clock;
    clock.start();
    const QStringList display{"-display", display_};
    while (clock.elapsed() < 20000) {
        if (manager_.state() == QProcess::NotRunning) {
            reason = WhyItEnded(name_ + " ended as it started");
            return false;
        }
        const QString check =
            e2e::RunTool("xprop", display + QStringList{"-root", "_NET_SUPPORTING_WM_CHECK"});
        const QString window = check.section(' ', -1);
        if (window.startsWith("0x") &&
            e2e::RunTool("xprop", display + QStringList{"-id", window, "_NET_WM_NAME"})
                .contains('"'))
            return true;
        Wait(200);
    }
    reason = WhyItEnded(name_ + " did not take over the screen in 20 s");
    return false;
}

bool DesktopSession::WaitForSocket(const QString& pattern, QString& reason) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (!QDir(runtime_.path()).entryList({pattern}, QDir::System).isEmpty())
            return true;
        if (manager_.state() == QProcess::NotRunning) {
            reason = WhyItEnded(name_ + " ended as it started");
            return false;
        }
        Wait(100);
    }
    reason = WhyItEnded(name_ + " made no socket in 20 s");
    return false;
}

// The program was not allowed to run at all: exec said EPERM.
bool DesktopSession::Refused() {
    manager_.waitForFinished(2000);
    return manager_.state() == QProcess::NotRunning && Log().contains("Operation not permitted");
}

bool DesktopSession::StartWayland(const Kind& kind, QString& reason) {
    QProcessEnvironment env = DesktopEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    for (const QString& entry : kind.environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    const QString config = runtime_.filePath("sway.config");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(kSwayConfig);
    file.close();

    QStringList command;
    for (const QString& word : kind.command)
        command << QString(word).replace("{socket}", "orv-wayland").replace("{config}", config);
    if (kind.bus)
        command = QStringList{"dbus-run-session", "--"} + command;
    if (kind.unprivileged && ::geteuid() == 0) {
        // It refuses root: the user nobody runs it, in a runtime folder of
        // its own; as root the tests still reach its sockets there.
        const passwd* user = ::getpwnam("nobody");
        if (!user || QStandardPaths::findExecutable("setpriv").isEmpty()) {
            reason = "it refuses to run as root, and setpriv or the user nobody is missing";
            return false;
        }
        if (::chown(runtime_.path().toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0 ||
            ::chown(config.toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0) {
            reason = "its runtime folder could not be given to nobody";
            return false;
        }
        env.insert("HOME", runtime_.path());
        command = QStringList{"setpriv", "--reuid=" + QString::number(user->pw_uid),
                              "--regid=" + QString::number(user->pw_gid), "--clear-groups", "--"} +
                  command;
    }
    StartInOwnSession(manager_, command, env);
    if (kind.copyIfRefused && Refused()) {
        // The installed binary carries file capabilities, which a container
        // may refuse to exec; a plain copy carries none and runs.
        const QString copy = runtime_.filePath(kind.command.first());
        QFile::copy(QStandardPaths::findExecutable(kind.command.first()), copy);
        command.replace(command.indexOf(kind.command.first()), copy);
        StartInOwnSession(manager_, command, env);
    }
    // sway names its socket itself; the others are told the name.
    const QString socket =
        kind.command.join(' ').contains("{socket}") ? "orv-wayland" : "wayland-?";
    if (!WaitForSocket(socket, reason))
        return false;
    waylandSocket_ =
        runtime_.filePath(QDir(runtime_.path()).entryList({socket}, QDir::System).first());
    const QStringList ipc = QDir(runtime_.path()).entryList({"sway-ipc.*.sock"}, QDir::System);
    if (!ipc.isEmpty())
        swaySocket_ = runtime_.filePath(ipc.first());
    return true;
}

QProcessEnvironment DesktopSession::Environment(QProcessEnvironment env) const {
    if (x11_) {
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
    } else {
        // An absolute path: the program keeps a runtime folder of its own.
        env.insert("WAYLAND_DISPLAY", waylandSocket_);
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.remove("DISPLAY");
    }
    if (!swaySocket_.isEmpty())
        env.insert("SWAYSOCK", swaySocket_);
    return env;
}

QByteArray DesktopSession::RunTool(const QString& program, const QStringList& args) const {
    QProcess process;
    process.setProcessEnvironment(Environment(QProcessEnvironment::systemEnvironment()));
    process.start(program, args);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

} // namespace orv::e2e
