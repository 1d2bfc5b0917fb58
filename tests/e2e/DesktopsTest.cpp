// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One player's session under one desktop, the same under each: the run is
// named after the desktop (e2e_desktops DESKTOP PROGRAM [SCREENSHOT-DIR]),
// starts it with a private audio server, and skips (exit 77) saying why
// where the desktop cannot start here. Under X11 the session is played with
// the keyboard and the mouse through xdotool; under Wayland what the
// compositor lets a test reach is played, and what it does not allow a
// program (placing windows, moving the cursor) must do nothing harmful.

#include "Desktop.h"
#include "Driver.h"
#include "WaylandTools.h"
#include "X11Windows.h"
#include "support/AudioServer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace orv::e2e {
namespace {

DesktopSession* desktop = nullptr;
test::AudioServer* audio = nullptr;

const QRect kScreen(0, 0, 2560, 1600);

std::string Text(QPoint p) {
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()).toStdString();
}

QProcessEnvironment ProgramEnvironment() {
    QProcessEnvironment env = desktop->Environment(QProcessEnvironment::systemEnvironment());
    env.insert("PULSE_SERVER", audio->Address());
    return env;
}

// A dialog of the program, how it is opened by keyboard and through the
// menu with the mouse, and the button that closes it without a change.
struct DialogWay {
    QString caption;
    QStringList keys;
    int menuX;            // the menu's title on the menu bar, from the window's left
    int itemDy;           // the item, below the menu's title
    QPoint button;        // from the dialog window's bottom left corner
    bool centred = false; // opens centred on the main window
};

const DialogWay kDialogs[] = {
    {"確認", {"ctrl+q"}, 333, 43, {155, -20}},
    {"ゲーム設定", {"alt+c", "g"}, 228, 45, {289, -27}},
    {"システム設定", {"alt+c", "s"}, 228, 68, {373, -33}, true},
    {"このプログラムについて", {"alt+i", "a"}, 282, 21, {122, -24}},
};

void OpenByKeyboard(Program& program, const DialogWay& way) {
    program.Key(way.keys.first());
    for (const QString& key : way.keys.mid(1))
        RunTool("xdotool", {"key", "--clearmodifiers", key});
}

void OpenByMouse(Program& program, const DialogWay& way) {
    const int barY = program.Y() + program.ClientOrigin().y() - 10;
    MouseTo({program.X() + way.menuX, barY});
    RunTool("xdotool", {"click", "1"});
    Wait(400);
    MouseTo({program.X() + way.menuX + 30, barY + way.itemDy});
    RunTool("xdotool", {"click", "1"});
}

// The program's dialog once it is the active window: a modal dialog takes
// the activation as it opens. Quicker than a search of every window.
QString ActiveWindowNamed(const QString& caption, int timeoutMs = 5000) {
    for (int waited = 0; waited <= timeoutMs; waited += 100) {
        const QString id = RunTool("xdotool", {"getactivewindow"});
        if (!id.isEmpty() && RunTool("xdotool", {"getwindowname", id}) == caption)
            return id;
        Wait(100);
    }
    return VisibleWindowNamed(caption, 0);
}

// Gone from the screen, at last after a short while.
bool Closed(const QString& id) {
    for (int waited = 0; waited < 1500; waited += 100) {
        if (!X11Window(id).Viewable())
            return true;
        Wait(100);
    }
    return false;
}

bool CloseByKeyboard(const QString& dialog) {
    RunTool("xdotool", {"windowactivate", "--sync", dialog});
    RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
    return Closed(dialog);
}

// Above the main window, transient for it (so the desktop gives it no task
// bar entry of its own), wholly on the screen.
void ExpectOwnedByTheMainWindow(const QString& dialog, const Program& program) {
    const X11Window window(dialog);
    EXPECT_EQ(window.TransientFor(), X11Window(program.Window()).Id())
        << "not transient for the main window: a task bar entry of its own";
    const QList<unsigned> stacking = RootWindowList("_NET_CLIENT_LIST_STACKING");
    EXPECT_GT(stacking.indexOf(window.Id()), stacking.indexOf(X11Window(program.Window()).Id()))
        << "below the main window";
    EXPECT_TRUE(kScreen.contains(window.FrameRect())) << "not wholly on the screen";
}

// The desktop's frames around both windows share their centre: a window
// placed before the window manager framed it must not land a title bar off.
void ExpectCentredOnTheMainWindow(const QString& dialog, const Program& program) {
    const QPoint offset =
        X11Window(dialog).FrameRect().center() - X11Window(program.Window()).FrameRect().center();
    EXPECT_LE(offset.manhattanLength(), 2)
        << "off the main window's centre by (" << offset.x() << ", " << offset.y() << ")";
}

// Every dialog opened and closed each way; each one's place as last seen.
std::map<QString, QPoint> OpenAndCloseEachDialog(Program& program) {
    std::map<QString, QPoint> places;
    for (const DialogWay& way : kDialogs) {
        for (const bool byMouse : {false, true}) {
            SCOPED_TRACE((way.caption + (byMouse ? " by mouse" : " by keyboard")).toStdString());
            byMouse ? OpenByMouse(program, way) : OpenByKeyboard(program, way);
            const QString dialog = ActiveWindowNamed(way.caption);
            if (dialog.isEmpty()) {
                ADD_FAILURE() << "did not open";
                RunTool("xdotool", {"key", "Escape"});
                continue;
            }
            Wait(300);
            ExpectOwnedByTheMainWindow(dialog, program);
            if (way.centred)
                ExpectCentredOnTheMainWindow(dialog, program);
            const QRect rect = X11Window(dialog).ClientRect();
            places[way.caption] = rect.topLeft();
            if (!byMouse)
                Save(
                    GrabScreen(X11Window(dialog).FrameRect()),
                    qPrintable(
                        QStringLiteral("%1-dialog%2.png").arg(desktop->Name()).arg(places.size())));
            if (byMouse) {
                MouseTo(rect.bottomLeft() + way.button);
                RunTool("xdotool", {"click", "1"});
            }
            if (!(byMouse ? Closed(dialog) : CloseByKeyboard(dialog))) {
                ADD_FAILURE() << "did not close";
                CloseByKeyboard(dialog);
            }
            Wait(800); // the cursor's glide back into the main window ends
        }
    }
    return places;
}

// The laser sounds on the audio server while the fire key is held.
void PlayWithTheLaser(Program& program) {
    program.Key("space");
    test::Recorder recording(*audio);
    RunTool("xdotool", {"keydown", "z"});
    Wait(1000);

    RunTool("xdotool", {"keyup", "z"});
    Wait(300);
    EXPECT_GT(test::AudibleMs(recording.Stop()), 0) << "the laser was not heard";
    program.Key("g");
}

// Dragged by the desktop's title bar for a second: the window follows, and
// where the button is let go the cursor stays.
void DragByTheTitleBar(Program& program, int frameTop) {
    const QPoint start = program.Position();
    // The desktop's bar above the window, or the program's own at its top.
    const int barY = frameTop > 0 ? program.Y() - frameTop / 2 : program.Y() + 9;
    const QPoint grip(program.X() + program.Width() / 2, barY);
    const QPoint step(15, 10);
    MouseTo(grip);
    RunTool("xdotool", {"mousedown", "1"});
    for (int i = 1; i <= 10; ++i) {
        MouseTo(grip + i * step);
        Wait(100);
    }
    RunTool("xdotool", {"mouseup", "1"});
    const QPoint released = grip + 10 * step;
    Wait(1200);
    EXPECT_EQ(MouseLocation(), released)
        << "the cursor moved after the drag, to " << Text(MouseLocation());
    EXPECT_EQ(program.Position(), start + 10 * step) << "the window did not follow the drag";
}

// The keyboard reopen of a dialog brings the cursor back to where it was in
// it, and its keyboard close brings it back to the main window.
void CursorFollowsKeyboardActivation(Program& program) {
    const DialogWay& way = kDialogs[2];
    const QPoint inMain = program.Position() + program.ClientOrigin() + QPoint(200, 150);
    MouseTo(inMain);
    OpenByKeyboard(program, way);
    const QString dialog = ActiveWindowNamed(way.caption);
    ASSERT_FALSE(dialog.isEmpty()) << "the system settings did not open";
    Wait(1000); // its glide onto the focused control ends first
    const QPoint inDialog = X11Window(dialog).ClientRect().topLeft() + QPoint(60, 40);
    MouseTo(inDialog);
    RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
    Wait(1000);
    EXPECT_EQ(MouseLocation(), inMain)
        << "closed by keyboard, the cursor went to " << Text(MouseLocation());
    MouseTo(kScreen.bottomRight() - QPoint(20, 20));
    OpenByKeyboard(program, way);
    ASSERT_FALSE(ActiveWindowNamed(way.caption).isEmpty());
    Wait(1000);
    EXPECT_EQ(MouseLocation(), inDialog)
        << "reopened by keyboard, the cursor went to " << Text(MouseLocation());
    RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
    Wait(500);
}

// Another program taking the focus pauses a running game; coming back keeps
// it paused.
void LeavingPauses(Program& program) {
    program.Key("space");
    const QRect field = FieldRect(program, 0, 0, 400, 400);
    const QImage before = program.Grab();
    Wait(700);
    ASSERT_NE(program.Grab().copy(field), before.copy(field)) << "the game did not start";
    const AnotherProgram other("+1800+100");
    ASSERT_TRUE(other.Active()) << "xmessage showed no window";
    program.Restore();
    const QImage back = program.Grab();
    EXPECT_GT(Count(back, FieldRect(program, 100, 170, 200, 60), IsWhite), 30) << "no PAUSE";
    Wait(700);
    EXPECT_EQ(program.Grab().copy(field), back.copy(field)) << "the game ran on";
    program.Key("g");
}

// Minimised as its title bar's button does; without waiting for it to be
// unmapped, which some window managers never do.
void Minimise(const QString& id) {
    RunTool("xdotool", {"windowminimize", id});
    for (int i = 0; i < 15 && !X11Window(id).Iconic(); ++i)
        Wait(200);
    Wait(300);
}

// Minimised and restored, alone and from its open dialog: the program's
// windows go and come back together, the dialog on top.
void MinimiseAndRestore(Program& program) {
    const X11Window main(program.Window());
    const QPoint place = program.Position();
    Minimise(program.Window());
    EXPECT_TRUE(main.Iconic()) << "not minimised";
    program.Restore();
    EXPECT_TRUE(!main.Iconic() && main.Viewable()) << "not back after restoring";
    EXPECT_EQ(program.Position(), place) << "restored elsewhere";

    OpenByKeyboard(program, kDialogs[2]);
    const QString id = ActiveWindowNamed(kDialogs[2].caption);
    ASSERT_FALSE(id.isEmpty()) << "the system settings did not open";
    const X11Window dialog(id);
    Minimise(id);
    // Some window managers (mutter, xfwm4) refuse to minimise a modal dialog
    // alone; then the main window's own minimise must take it along.
    EXPECT_EQ(main.Iconic(), dialog.Iconic())
        << "one of the two was minimised alone: the dialog " << dialog.Iconic();
    if (!dialog.Iconic())
        Minimise(program.Window());
    EXPECT_TRUE(main.Iconic() && dialog.Iconic()) << "the two were not minimised together";
    // As the task bar does; not waiting for an activation a window manager
    // may refuse while the modal dialog is away.
    RunTool("xdotool", {"windowactivate", program.Window()});
    Wait(800);
    EXPECT_TRUE(!dialog.Iconic() && dialog.Viewable()) << "restoring left the modal dialog hidden";
    const QList<unsigned> stacking = RootWindowList("_NET_CLIENT_LIST_STACKING");
    EXPECT_GT(stacking.indexOf(dialog.Id()), stacking.indexOf(main.Id()))
        << "the dialog came back below the main window";
    CloseByKeyboard(id);
}

TEST(Desktop, APlayersSessionUnderX11) {
    if (!desktop->X11())
        GTEST_SKIP() << "a Wayland desktop";
    Program program(ProgramEnvironment(), "[Game]\r\nSpeed=400\r\n");
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const X11Window main(program.Window());
    const FrameExtents frame = main.Frame();
    EXPECT_GE(frame.top, 10) << "the desktop drew no title bar";
    EXPECT_TRUE(kScreen.contains(main.FrameRect())) << "not wholly on the screen";
    Save(GrabScreen(main.FrameRect()), qPrintable(desktop->Name() + "-main.png"));

    QElapsedTimer clock;
    clock.start();
    const auto phase = [&](const char* name) {
        std::printf("%s: %lld ms\n", name, static_cast<long long>(clock.restart()));
    };
    phase("start");
    PlayWithTheLaser(program);
    phase("laser");
    DragByTheTitleBar(program, frame.top);
    phase("drag");
    const std::map<QString, QPoint> places = OpenAndCloseEachDialog(program);
    phase("dialogs");
    CursorFollowsKeyboardActivation(program);
    phase("cursor");
    LeavingPauses(program);
    phase("leave");
    MinimiseAndRestore(program);
    phase("minimise");
    const QPoint mainPlace = program.Position();

    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return")) << "Ctrl+Q asked nothing";
    ASSERT_TRUE(program.WaitForExit(10000)) << "yes to the quit question did not end it";
    EXPECT_EQ(program.Status(), QProcess::NormalExit) << "it crashed at the end";
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_NE(program.SettingsFile().indexOf("[Forms]\r\nF0000Name=ORBIT RAVEN\r\n"), -1)
        << "the settings file was not written:\n"
        << program.SettingsFile().toStdString();

    phase("quit");
    program.Restart();
    ASSERT_TRUE(program.WaitForWindow()) << "no window on the second start";
    EXPECT_EQ(program.Position(), mainPlace) << "the main window did not reopen where it was";
    for (const DialogWay& way : kDialogs) {
        OpenByKeyboard(program, way);
        const QString dialog = ActiveWindowNamed(way.caption);
        EXPECT_EQ(X11Window(dialog).ClientRect().topLeft(), places.at(way.caption))
            << way.caption.toStdString() << " did not reopen where it was, stored:\n"
            << program.SettingsFile().toStdString();
        RunTool("xdotool", {"windowactivate", "--sync", dialog});
        RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
        Wait(500);
    }
    phase("restart");
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0);
}

// Another program's window taking the focus pauses a running game, and the
// game stays paused when the focus comes back.
void LeavingPausesUnderSway(const QRect& window) {
    const QRect field(window.x() + 8, window.bottom() + 1 - 422 + 14, 400, 400);
    Type(*desktop, {"-k", "space"});
    const QImage running = SwayShot(*desktop, field);
    Wait(700);
    ASSERT_NE(SwayShot(*desktop, field), running) << "the game did not start";
    QProcess other;
    other.setProcessEnvironment(desktop->Environment(QProcessEnvironment::systemEnvironment()));
    other.start("weston-flower", {});
    ASSERT_FALSE(SwayWindow(*desktop, "Flower").isEmpty()) << "weston-flower showed no window";
    Wait(500);
    desktop->RunTool("swaymsg", {"[title=\"ORBIT RAVEN\"] focus"});
    Wait(500);
    const QImage back = SwayShot(*desktop, field);
    Save(back, "sway-left.png");
    EXPECT_GT(Count(back, QRect(100, 170, 200, 60), IsWhite), 30) << "no PAUSE after leaving";
    Wait(700);
    EXPECT_EQ(SwayShot(*desktop, field), back) << "the game ran on after leaving";
    other.kill();
    other.waitForFinished(3000);
    Type(*desktop, {"-k", "g"});
}

// Under sway the session is played with a virtual keyboard: the window has
// the compositor's title bar and is wholly on the screen, the laser sounds,
// the quit question comes as a window of its own above, and a keyboard
// close of it (which on X11 would move the cursor) leaves all well.
void PlayUnderSway(Program& program) {
    // A keyboard for the whole session, as a player has: each wtype below
    // brings a keyboard of its own, and the seat would lose its keyboard,
    // and the window its focus, whenever one of them ended.
    QProcess keyboard;
    keyboard.setProcessEnvironment(desktop->Environment(QProcessEnvironment::systemEnvironment()));
    keyboard.start("wtype", {"-s", "600000"});
    Wait(500);
    const QJsonObject window = SwayWindow(*desktop, "ORBIT RAVEN");
    ASSERT_FALSE(window.isEmpty()) << "sway shows no ORBIT RAVEN";
    EXPECT_EQ(SwayBorder(*desktop, "ORBIT RAVEN").toStdString(), "normal")
        << "the compositor drew no title bar";
    const QJsonObject output =
        QJsonDocument::fromJson(desktop->RunTool("swaymsg", {"-t", "get_outputs", "-r"}))
            .array()
            .first()
            .toObject();
    EXPECT_TRUE(RectOf(output).contains(RectOf(window))) << "not wholly on the screen";

    Type(*desktop, {"-k", "space"});
    test::Recorder recording(*audio);
    Type(*desktop, {"-P", "z", "-s", "1000", "-p", "z"});
    EXPECT_GT(test::AudibleMs(recording.Stop()), 0) << "the laser was not heard";
    Type(*desktop, {"-k", "g"});
    LeavingPausesUnderSway(RectOf(SwayWindow(*desktop, "ORBIT RAVEN")));

    Type(*desktop, {"-M", "ctrl", "-k", "q", "-m", "ctrl"});
    EXPECT_FALSE(SwayWindow(*desktop, "確認").isEmpty()) << "Ctrl+Q asked nothing";
    Type(*desktop, {"-k", "Escape"});
    EXPECT_TRUE(SwayWindowGone(*desktop, "確認")) << "Esc left the question open";
    ASSERT_TRUE(program.Running()) << "closing the question from the keyboard ended it";
    Type(*desktop, {"-M", "ctrl", "-k", "q", "-m", "ctrl"});
    ASSERT_FALSE(SwayWindow(*desktop, "確認").isEmpty()) << "Ctrl+Q asked nothing the second time";
    Type(*desktop, {"-k", "Return"});
    keyboard.kill();
    keyboard.waitForFinished(3000);
}

// Under Wayland the compositor places the windows: the places stored for
// X11 are neither applied nor overwritten, and the program runs and ends as
// anywhere else.
TEST(Desktop, APlayersSessionUnderWayland) {
    if (desktop->X11())
        GTEST_SKIP() << "an X11 desktop";
    const QByteArray forms = "[Forms]\r\nF0000Name=ORBIT RAVEN\r\n"
                             "F0000Pos=YNNYNY(4,5)3(11,22);2560(30,40);\r\n\r\n";
    Program program(ProgramEnvironment(), "[Game]\r\nSpeed=400\r\n\r\n" + forms);
    for (int waited = 0; waited < 10000 && !audio->Clients().contains("ORBIT RAVEN"); waited += 200)
        Wait(200);
    ASSERT_TRUE(program.Running()) << "it did not stay up";
    EXPECT_TRUE(audio->Clients().contains("ORBIT RAVEN")) << "it never reached the audio server";
    if (desktop->Name() == "weston") {
        const QImage screen = WestonShot(*desktop);
        Save(screen, "weston-screen.png");
        EXPECT_GT(Count(screen, screen.rect(), IsGreen), 2000) << "the title screen is not shown";
    }
    if (desktop->Name() == "sway")
        PlayUnderSway(program);
    else
        program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000)) << "it did not end";
    EXPECT_EQ(program.Status(), QProcess::NormalExit) << "it crashed at the end";
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_NE(program.SettingsFile().indexOf(forms), -1) << "the X11 places changed:\n"
                                                         << program.SettingsFile().toStdString();

    program.Restart();
    Wait(2500);
    ASSERT_TRUE(program.Running()) << "it did not come up a second time";
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0);
}

} // namespace
} // namespace orv::e2e

int main(int argc, char** argv) {
    using namespace orv::e2e;
    namespace test = orv::test;
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::printf("usage: e2e_desktops DESKTOP PROGRAM [SCREENSHOT-DIR]\n"
                    "desktops: %s\n",
                    qPrintable(DesktopSession::Names().join(' ')));
        return 2;
    }
    SetRunPaths(QString::fromLocal8Bit(argv[2]),
                argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (!test::AudioServer::Available()) {
        std::puts("SKIPPED: pulseaudio or parec is not installed");
        return 77;
    }
    test::AudioServer audioServer;
    if (!audioServer.Running()) {
        std::puts("FAILED: the private pulseaudio server did not start");
        return 1;
    }
    QString reason;
    const std::unique_ptr<DesktopSession> session =
        DesktopSession::Start(QString::fromLocal8Bit(argv[1]), reason);
    if (!session) {
        std::printf("SKIPPED: %s cannot start here: %s\n", argv[1], qPrintable(reason));
        return 77;
    }
    desktop = session.get();
    audio = &audioServer;
    // The tools and this process's own screen grabs reach the desktop's
    // display; under Wayland the grabs come from the compositor's tools.
    const QProcessEnvironment env = session->Environment(QProcessEnvironment());
    for (const QString& key : env.keys())
        setenv(key.toUtf8().constData(), env.value(key).toUtf8().constData(), 1);
    if (!session->X11()) {
        unsetenv("DISPLAY");
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
