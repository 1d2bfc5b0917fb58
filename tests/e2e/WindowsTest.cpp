// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows among others: the cursor jump between its windows and
// other programs, places kept per screen width, a doubled screen, the balloon
// hints of the system settings, and a run under Wayland. main() starts this
// run's own X server and window manager; it skips (exit 77) where Xvfb,
// xdotool, openbox or xwininfo is missing.

#include "Driver.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orv::e2e {
namespace {

// A program point covers scale × scale screen pixels.
bool Near(QPoint a, QPoint b, int scale) {
    return std::abs(a.x() - b.x()) < scale && std::abs(a.y() - b.y()) < scale;
}

// Leave the main window for a dialog by keyboard with the cursor in it, move
// the cursor away, close the dialog by keyboard: the cursor comes back, and
// its point is remembered in the settings file. On a doubled scale too, where
// the program's points are half the screen's pixels.
TEST(WholeProgram, KeyboardClosedDialogBringsTheCursorBack) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        Program program(ScaledEnvironment(scale));
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        const QPoint clientOrigin(0, program.Height() - scale * 422);
        const QPoint point = program.Position() + clientOrigin + scale * QPoint(200, 150);
        MouseTo(point);
        Wait(300);
        program.Key("ctrl+q");
        const QString dialog = VisibleWindowNamed("確認");
        ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+Q asked nothing";
        Wait(300);
        const QPoint away(2000, 1200);
        MouseTo(away);
        ASSERT_EQ(MouseLocation(), away);
        RunTool("xdotool", {"windowactivate", "--sync", dialog});
        RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
        Wait(1000);
        const QPoint back = MouseLocation();
        EXPECT_TRUE(Near(back, point, scale))
            << "the cursor did not come back to " << point.x() << "," << point.y() << " but to "
            << back.x() << "," << back.y();
        ASSERT_TRUE(program.Running());

        program.Key("ctrl+q");
        ASSERT_TRUE(program.AnswerQuestion("Return"));
        ASSERT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0);
        const QByteArray file = program.SettingsFile();
        EXPECT_NE(file.indexOf("F0000Name=ORBIT RAVEN\r\nF0000Pos=YNNYNY(200,150)"), -1)
            << file.toStdString();
    }
}

QString Describe(QPoint p) {
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// The cursor jump as a player meets it on a doubled screen: a dialog closed
// from the keyboard remembers where the cursor was in it and brings it back
// there when it is opened again from the keyboard; a press on the title bar
// after another program was active is a click, so the cursor stays and the
// window is not dragged; the places are stored for the screen's own width.
TEST(WholeProgram, TheCursorJumpFollowsActivationBetweenWindowsAndPrograms) {
    const int scale = 2;
    const QProcessEnvironment env = ScaledEnvironment(scale);
    // Held below on the window manager's title bar, which the program never
    // hears of.
    Program program(env, {}, {"--title-bar=desktop"});
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const QPoint inMain =
        program.Position() + QPoint(0, program.Height() - scale * 422) + scale * QPoint(200, 150);
    MouseTo(inMain);
    Wait(300);
    const auto openDialog = [&] {
        program.Key("ctrl+q");
        Wait(600);
        return WindowRect("確認");
    };
    const auto closeDialog = [] {
        RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
        Wait(1000);
    };
    const QRect first = openDialog();
    ASSERT_FALSE(first.isEmpty()) << "Ctrl+Q asked nothing";
    const QPoint offset(first.width() / 3, first.height() / 4);
    MouseTo(first.topLeft() + offset);
    Wait(300);
    closeDialog();
    EXPECT_TRUE(Near(MouseLocation(), inMain, scale))
        << "back in the main window the cursor is at " << Describe(MouseLocation()).toStdString();
    MouseTo({2500, 1550});
    const QRect again = openDialog();
    ASSERT_FALSE(again.isEmpty()) << "Ctrl+Q asked nothing the second time";
    const QPoint inDialog = again.topLeft() + offset;
    EXPECT_TRUE(Near(MouseLocation(), inDialog, scale))
        << "the reopened dialog did not bring the cursor to " << Describe(inDialog).toStdString()
        << " but left it at " << Describe(MouseLocation()).toStdString();
    closeDialog();

    // Another program's window, then a press on our title bar held a while.
    {
        const AnotherProgram other("+2000+100");
        ASSERT_TRUE(other.Active()) << "xmessage showed no window";
        Wait(200);
        const QPoint placeBefore = program.Position();
        const QPoint titleBar(program.X() + program.Width() / 2, program.Y() - 9);
        MouseTo(titleBar);
        RunTool("xdotool", {"mousedown", "1"});
        Wait(800);
        const QPoint held = MouseLocation();
        RunTool("xdotool", {"mouseup", "1"});
        Wait(300);
        EXPECT_EQ(held, titleBar) << "the cursor jumped while the title bar was held, to "
                                  << Describe(held).toStdString();
        EXPECT_EQ(program.Position(), placeBefore) << "the window was dragged";
    }

    ASSERT_TRUE(program.Running());
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0);
    // The file is in the program's code page: compare ASCII only.
    const QString file = QString::fromLatin1(program.SettingsFile());
    const QString mainPos = QStringLiteral("F0000Pos=YNNYNY(200,150)2560(");
    EXPECT_TRUE(file.contains(mainPos)) << "not stored for the 2560-pixel width:\n"
                                        << file.toStdString();
    const QRegularExpressionMatch dialogPos =
        QRegularExpression("F0001Pos=YNNYNY\\((\\d+),(\\d+)\\)").match(file);
    ASSERT_TRUE(dialogPos.hasMatch()) << "the dialog's point was not stored:\n"
                                      << file.toStdString();
    EXPECT_NEAR(dialogPos.captured(1).toInt(), offset.x() / scale, 1);
    EXPECT_NEAR(dialogPos.captured(2).toInt(), offset.y() / scale, 1);
}

TEST(WholeProgram, HiDpiScreenScalesThePixelArtCrisply) {
    Program program(ScaledEnvironment(2));
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    // The window keeps its logical size: twice as many pixels each way.
    EXPECT_EQ(program.Width(), 2 * 604);
    const QImage shot = program.Grab();
    Save(shot, "hidpi.png");
    // Inside the doubled title every screen pixel pair repeats exactly:
    // nearest-neighbour scaling, no blur.
    const int fieldTop = program.Height() - 2 * 422 + 2 * 14;
    int blocks = 0, uneven = 0, lit = 0;
    for (int y = fieldTop + 2 * 64; y < fieldTop + 2 * 224; y += 2)
        for (int x = 2 * (8 + 20); x < 2 * (8 + 380); x += 2) {
            const QRgb c = shot.pixel(x, y);
            ++blocks;
            lit += IsGreen(c);
            uneven += shot.pixel(x + 1, y) != c || shot.pixel(x, y + 1) != c ||
                      shot.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(lit, 2000) << "the title is not where it should be";
    EXPECT_EQ(uneven, 0) << "of " << blocks << " blocks";
}

// Places are kept per screen width: the one for another width stays as it
// was, one off this screen is pulled back, a moved window reopens there.
TEST(WholeProgram, RemembersWindowPlacesPerScreenWidth) {
    Program program(QProcessEnvironment::systemEnvironment(),
                    "[Forms]\r\nF0000Name=ORBIT RAVEN\r\n"
                    "F0000Pos=YNNYNY(-1,0)3(11,22);2560(5000,100);\r\n");
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    EXPECT_LE(program.X() + program.Width(), 2560) << "a left beyond the screen stayed there";
    EXPECT_GT(program.X() + program.Width(), 2560 - 40);
    program.MoveTo(300, 200);
    const QPoint left(program.X(), program.Y());
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0);
    const QByteArray file = program.SettingsFile();
    EXPECT_NE(file.indexOf("F0000Pos=YNNYNY(-1,0)3(11,22);2560("), -1) << file.toStdString();
    EXPECT_EQ(file.indexOf("2560(5000,"), -1) << "the move was not stored";

    program.Restart();
    ASSERT_TRUE(program.WaitForWindow()) << "no window on the second start";
    EXPECT_EQ(QPoint(program.X(), program.Y()), left) << "it did not reopen where it was left";
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
}

TEST(WholeProgram, ABrokenFormsSectionNeverStopsTheProgram) {
    Program program(QProcessEnvironment::systemEnvironment(),
                    "[Forms]\r\nF0000Name=ORBIT RAVEN\r\nF0000Pos=YNNYNY(12\r\n"
                    "F0001Name=\r\nF0001Pos=Y\r\nF0002Name=odd\r\n"
                    "[WindowManager]\r\nCursorMoveStep=\r\nCursorMaxMoves=-x\r\n");
    // Two messages name the bad numbers; Enter answers each.
    for (int box = 0; box < 2; ++box) {
        const QString shown = VisibleWindowNamed("ORBIT RAVEN");
        ASSERT_FALSE(shown.isEmpty()) << "no message about the bad numbers";
        RunTool("xdotool", {"windowactivate", "--sync", shown});
        RunTool("xdotool", {"key", "--clearmodifiers", "Return"});
        Wait(500);
    }
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0);
    const QByteArray file = program.SettingsFile();
    EXPECT_NE(file.indexOf("F0000Name=ORBIT RAVEN\r\nF0000Pos=YNNYNY(-1,0)2560("), -1)
        << file.toStdString();
    EXPECT_NE(file.indexOf("CursorMoveStep=20\r\nCursorMaxMoves=10\r\n"), -1) << file.toStdString();
}

// The balloon hints' pale yellow.
bool IsHintColour(QRgb c) {
    return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 225;
}

// Opens the system settings from the menu, rests the mouse on the balloon
// help group and counts the hint's pixels around it shortly after the wait
// and after the display time; Esc then cancels the dialog.
struct HintRun {
    bool opened = false;
    int shown = 0;
    int afterDisplayTime = 0;
    bool closedByEsc = false;
};

HintRun RestOnTheHelpGroup(Program& program, int scale, const char* shotName) {
    HintRun run;
    program.Key("alt+c");
    RunTool("xdotool", {"key", "s"});
    const QRect dialog = WindowRect("システム設定");
    run.opened = dialog.isValid();
    if (!run.opened)
        return run;
    Wait(600);
    Save(GrabScreen(dialog), shotName);
    // An empty spot of the group box, right of "表示する".
    const QPoint rest = dialog.topLeft() + scale * QPoint(230, 90);
    // From outside the dialog, so the mouse really enters it.
    const QPoint outside = dialog.bottomRight() + QPoint(40, 40);
    RunTool("xdotool",
            {"mousemove", "--sync", QString::number(outside.x()), QString::number(outside.y())});
    Wait(300);
    RunTool("xdotool",
            {"mousemove", "--sync", QString::number(rest.x()), QString::number(rest.y())});
    const QRect around(rest - scale * QPoint(100, 10), scale * QSize(700, 80));
    Wait(1200);
    const QImage withHint = GrabScreen(around);
    run.shown = Count(withHint, QRect(QPoint(), around.size()), IsHintColour);
    // The dialog, widened to the hint's end.
    Save(GrabScreen(dialog.united(QRect(rest, scale * QSize(420, 40)))),
         (std::string("hint-") + shotName).c_str());
    Wait(2600);
    run.afterDisplayTime = Count(GrabScreen(around), QRect(QPoint(), around.size()), IsHintColour);
    RunTool("xdotool", {"key", "Escape"});
    Wait(500);
    run.closedByEsc = !WindowRect("システム設定", 1500).isValid();
    return run;
}

TEST(WholeProgram, SystemSettingsShowHintsOnARestingMouseAndKeepThemOnCancel) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const HintRun run = RestOnTheHelpGroup(program, 1, "sysconfig.png");
    ASSERT_TRUE(run.opened) << "the menu did not open the system settings";
    EXPECT_GT(run.shown, 500) << "no hint appeared on the resting mouse";
    EXPECT_EQ(run.afterDisplayTime, 0) << "the hint outlived its display time";
    EXPECT_TRUE(run.closedByEsc);
    EXPECT_TRUE(program.Running());
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000));
    // The switch is off while the program ends; the file gets the one in
    // force before.
    EXPECT_NE(program.SettingsFile().indexOf(
                  "[SystemConfig]\r\nShowHint=Yes\r\nHintPause=500\r\nHintHidePause=2500\r\n"),
              -1)
        << program.SettingsFile().toStdString();
}

TEST(WholeProgram, WithHintsOffNoHintEverShowsOnADoubledScreen) {
    Program program(ScaledEnvironment(2), "[SystemConfig]\r\nShowHint=No\r\nHintPause=300\r\n");
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const HintRun run = RestOnTheHelpGroup(program, 2, "sysconfig-hidpi.png");
    ASSERT_TRUE(run.opened);
    EXPECT_EQ(run.shown, 0) << "a hint showed with hints off";
    EXPECT_TRUE(run.closedByEsc);
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_NE(program.SettingsFile().indexOf(
                  "[SystemConfig]\r\nShowHint=No\r\nHintPause=300\r\nHintHidePause=2500\r\n"),
              -1)
        << program.SettingsFile().toStdString();
}

// Starts the program under a headless Wayland compositor when weston is
// installed: it must come up, run, and end normally on SIGTERM, saving its
// settings.
TEST(WholeProgram, RunsUnderWayland) {
    if (QStandardPaths::findExecutable("weston").isEmpty())
        GTEST_SKIP() << "weston is not installed; no Wayland run";
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess compositor;
    compositor.setProcessEnvironment(env);
    compositor.start("weston", {"--backend=headless-backend.so", "--socket=orv-wayland",
                                "--idle-time=0", "--no-config"});
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(runtime.filePath("orv-wayland")) && clock.elapsed() < 10000)
        Wait(50);
    ASSERT_TRUE(QFile::exists(runtime.filePath("orv-wayland"))) << "weston did not start";
    env.insert("WAYLAND_DISPLAY", "orv-wayland");
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.remove("DISPLAY");
    {
        // Positions are neither read nor set here: the stored ones stay.
        const QByteArray forms = "[Forms]\r\nF0000Name=ORBIT RAVEN\r\n"
                                 "F0000Pos=YNNYNY(4,5)3(11,22);2560(30,40);\r\n\r\n";
        Program program(env, forms);
        Wait(2500);
        ASSERT_TRUE(program.Running()) << "the program did not stay up under Wayland";
        program.Terminate();
        ASSERT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0);
        EXPECT_NE(program.SettingsFile().indexOf("Name=ORBIT RAVEN"), -1)
            << "the settings were not saved on SIGTERM";
        EXPECT_NE(program.SettingsFile().indexOf(forms), -1)
            << program.SettingsFile().toStdString();
    }
    compositor.terminate();
    compositor.waitForFinished(3000);
}

} // namespace
} // namespace orv::e2e

int main(int argc, char** argv) {
    using namespace orv::e2e;
    ::testing::InitGoogleTest(&argc, argv);
    for (const char* tool : {"Xvfb", "xdotool", "openbox", "xwininfo"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            std::printf("SKIPPED: %s is not installed; no whole-program test\n", tool);
            return 77;
        }
    }
    if (argc < 2) {
        std::puts("usage: e2e_tests PROGRAM [SCREENSHOT-DIR]");
        return 2;
    }
    SetRunPaths(QString::fromLocal8Bit(argv[1]),
                argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());

    QProcess xvfb;
    const QString display = StartOwnXServer(xvfb);
    if (display.isEmpty()) {
        std::puts("FAILED: Xvfb did not start");
        return 1;
    }
    setenv("DISPLAY", display.toUtf8().constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QProcess windowManager;
    windowManager.start("openbox", {});
    Wait(800);

    int result = 0;
    {
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    windowManager.terminate();
    windowManager.waitForFinished(3000);
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return result;
}
