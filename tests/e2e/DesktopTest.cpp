// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows as the window manager handles them: moved by their
// title bars, clicked on where no control is, and its dialogs kept with the
// window that opened them. Runs under the window manager main() starts.

#include "Driver.h"
#include "X11Windows.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace orv::e2e {
namespace {

// The main window remembers a point for the cursor to come back to.
const QByteArray kRememberedPoint = "[Forms]\r\nF0000Name=ORBIT RAVEN\r\n"
                                    "F0000Pos=YNNYNY(200,150)\r\n";

QString Describe(QPoint p) {
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// A point on the title bar: the program's own along the top of its window,
// the window manager's just above it.
QPoint OnTitleBar(Program& program, bool own) {
    const QPoint place = program.Position();
    return {place.x() + program.Width() / 3, own ? place.y() + 9 : place.y() - 9};
}

// Held down and dragged a while, as a person moves a window. The window
// system may take up the move one motion late: the window can lag one step.
constexpr int kDragSteps = 20;

void Drag(QPoint from, QPoint by) {
    MouseTo(from);
    RunTool("xdotool", {"mousedown", "1"});
    for (int step = 1; step <= kDragSteps; ++step) {
        Wait(40);
        MouseTo(from + by * step / kDragSteps);
    }
    Wait(300);
    RunTool("xdotool", {"mouseup", "1"});
}

// A window manager that moves a window holds the keyboard meanwhile; the
// focus it gives back is no activation, so the cursor stays where the
// window was let go, and a game goes on.
TEST(WindowManager, MovingAWindowLeavesTheCursorWhereItWasLetGoAndTheGameRunning) {
    for (const bool own : {false, true}) {
        SCOPED_TRACE(own ? "own title bar" : "the window manager's title bar");
        Program program(QProcessEnvironment::systemEnvironment(), kRememberedPoint,
                        {own ? "--title-bar=own" : "--title-bar=desktop"});
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        program.Key("space");
        const QPoint before = program.Position();
        const QPoint grip = OnTitleBar(program, own);
        const QPoint by(120, 80);
        Drag(grip, by);
        Wait(1200);
        const QPoint lag = before + by - program.Position();
        EXPECT_LE(lag.manhattanLength(), (by / kDragSteps).manhattanLength())
            << "the drag moved the window to " << Describe(program.Position()).toStdString();
        EXPECT_EQ(MouseLocation(), grip + by)
            << "the cursor moved on to " << Describe(MouseLocation()).toStdString();
        const QRect field = FieldRect(program, 0, 0, 400, 400);
        const QImage moved = program.Grab().copy(field);
        Wait(600);
        EXPECT_NE(program.Grab().copy(field), moved) << "the game stood still after the move";
        program.Terminate();
        ASSERT_TRUE(program.WaitForExit(10000));
    }
}

// The same by the keyboard: openbox's window menu (Alt+Space), Move, and
// the arrow keys. Openbox takes the pointer along with the window.
TEST(WindowManager, MovingAWindowByTheKeyboardTakesTheCursorOnlyWithIt) {
    Program program(QProcessEnvironment::systemEnvironment(), kRememberedPoint);
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const QPoint away(1500, 900);
    MouseTo(away);
    Wait(300);
    const QPoint before = program.Position();
    RunTool("xdotool", {"key", "alt+space"});
    Wait(600);
    RunTool("xdotool", {"key", "m"});
    Wait(600);
    for (int step = 0; step < 6; ++step) {
        RunTool("xdotool", {"key", "Right"});
        Wait(150);
    }
    RunTool("xdotool", {"key", "Return"});
    Wait(1200);
    const QPoint moved = program.Position() - before;
    EXPECT_GT(moved.x(), 0) << "the window menu did not move the window";
    EXPECT_EQ(MouseLocation(), away + moved)
        << "the cursor moved on to " << Describe(MouseLocation()).toStdString();
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
}

// A quick click on the program's own title bar moves nothing, and the
// window does not follow the pointer afterwards.
TEST(WindowManager, AClickOnTheOwnTitleBarLeavesTheWindowWhereItIs) {
    Program program(QProcessEnvironment::systemEnvironment(), {}, {"--title-bar=own"});
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const QPoint before = program.Position();
    for (int click = 0; click < 3; ++click) {
        MouseTo(OnTitleBar(program, true));
        RunTool("xdotool", {"click", "1"});
        Wait(200);
        MouseTo(before + QPoint(300 + 50 * click, 200));
        Wait(500);
        EXPECT_EQ(program.Position(), before) << "the window followed the pointer";
    }
    // Let go of a window still held, so that the program can end.
    RunTool("xdotool", {"click", "1"});
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
}

// In the quit question, Tab takes the focus to いいえ; a click on the title
// bar or on the dialog's margin leaves it there, so Space answers no.
TEST(WindowManager, AClickWhereNoControlIsLeavesTheFocusWhereItWas) {
    Program program(QProcessEnvironment::systemEnvironment(), {}, {"--title-bar=own"});
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    for (const bool onTitleBar : {true, false}) {
        SCOPED_TRACE(onTitleBar ? "the title bar" : "the bottom margin");
        program.Key("ctrl+q");
        const QRect dialog = WindowRect("確認");
        ASSERT_TRUE(dialog.isValid()) << "Ctrl+Q asked nothing";
        RunTool("xdotool", {"key", "--clearmodifiers", "Tab"});
        Wait(300);
        const QPoint click = onTitleBar ? QPoint(dialog.left() + 40, dialog.top() + 9)
                                        : QPoint(dialog.left() + 4, dialog.bottom() - 3);
        MouseTo(click);
        RunTool("xdotool", {"click", "1"});
        Wait(300);
        RunTool("xdotool", {"key", "--clearmodifiers", "space"});
        Wait(800);
        EXPECT_FALSE(WindowRect("確認", 1000).isValid()) << "Space did not answer the question";
        ASSERT_TRUE(program.Running()) << "the question was answered yes";
        if (WindowRect("確認", 500).isValid())
            RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
    }
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
}

QString Property(const QString& window, const QString& name) {
    return RunTool("xprop", {"-id", window, name});
}

bool Viewable(const QString& window) {
    return RunTool("xwininfo", {"-id", window}).contains("Map State: IsViewable");
}

// The windows the window manager manages, bottom first, as numbers.
QList<qulonglong> Stacking() {
    QList<qulonglong> ids;
    const QString list = RunTool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QString& id : list.section('#', 1).split(',', Qt::SkipEmptyParts))
        ids.append(id.trimmed().toULongLong(nullptr, 16));
    return ids;
}

// The system settings belong to the main window: the window manager knows
// it as the main window's dialog, keeps it above it, and minimising it
// minimises both; bringing the main window back brings the dialog too.
TEST(WindowManager, DialogsBelongToTheMainWindow) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    const QString main = VisibleWindowNamed("ORBIT RAVEN");
    program.Key("alt+c");
    RunTool("xdotool", {"key", "s"});
    const QString dialog = VisibleWindowNamed("システム設定");
    ASSERT_FALSE(dialog.isEmpty()) << "the system settings did not open";
    Wait(500);
    const QRegularExpression owner("window id # (0x[0-9a-f]+)");
    const QRegularExpressionMatch transient = owner.match(Property(dialog, "WM_TRANSIENT_FOR"));
    ASSERT_TRUE(transient.hasMatch()) << "the dialog names no window it belongs to";
    EXPECT_EQ(transient.captured(1).toULongLong(nullptr, 16), main.toULongLong());
    EXPECT_TRUE(Property(dialog, "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_DIALOG"));
    RunTool("xdotool", {"windowactivate", main});
    Wait(500);
    const QList<qulonglong> order = Stacking();
    EXPECT_GT(order.indexOf(dialog.toULongLong()), order.indexOf(main.toULongLong()))
        << "the main window went above its dialog";

    RunTool("xdotool", {"windowminimize", dialog});
    Wait(800);
    EXPECT_FALSE(Viewable(dialog)) << "the dialog did not go";
    EXPECT_FALSE(Viewable(main)) << "the main window stayed without its dialog";
    RunTool("xdotool", {"windowactivate", main});
    Wait(800);
    EXPECT_TRUE(Viewable(main));
    EXPECT_TRUE(Viewable(dialog)) << "the dialog did not come back with the main window";
    RunTool("xdotool", {"windowactivate", "--sync", dialog});
    RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
    Wait(500);
    EXPECT_FALSE(Viewable(dialog)) << "Esc did not close the dialog";
    program.Terminate();
    ASSERT_TRUE(program.WaitForExit(10000));
}

// A dialog placed before the window manager framed it lands where it was
// put, frame and all, and a scaled program reads back the place it put it:
// the system settings open centred on the main window and reopen, in the
// same run and in the next, where they were.
TEST(WindowManager, ADialogOpensCentredAndReopensWhereItWasAtEachScale) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        Program program(ScaledEnvironment(scale));
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        const auto openSettings = [&program] {
            program.Key("alt+c");
            RunTool("xdotool", {"key", "s"});
            const QString dialog = VisibleWindowNamed("システム設定");
            Wait(500);
            return dialog;
        };
        const auto close = [](const QString& dialog) {
            RunTool("xdotool", {"windowactivate", "--sync", dialog});
            RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
            Wait(500);
        };
        const QString dialog = openSettings();
        ASSERT_FALSE(dialog.isEmpty()) << "the system settings did not open";
        const QRect first = X11Window(dialog).FrameRect();
        const QPoint offset = first.center() - X11Window(program.Window()).FrameRect().center();
        EXPECT_LE(offset.manhattanLength(), 2 * scale)
            << "off the main window's centre by (" << offset.x() << ", " << offset.y() << ")";
        close(dialog);
        const QString again = openSettings();
        EXPECT_EQ(X11Window(again).FrameRect(), first) << "moved between two openings";
        close(again);
        program.Key("ctrl+q");
        ASSERT_TRUE(program.AnswerQuestion("Return"));
        ASSERT_TRUE(program.WaitForExit(10000));
        program.Restart();
        ASSERT_TRUE(program.WaitForWindow()) << "no window on the second start";
        const QString next = openSettings();
        EXPECT_EQ(X11Window(next).FrameRect(), first) << "moved between two runs";
        close(next);
        program.Terminate();
        ASSERT_TRUE(program.WaitForExit(10000));
    }
}

// The window manager's frame above the window: left, right, top, bottom.
int FrameTop(const QString& window) {
    const QStringList sides = Property(window, "_NET_FRAME_EXTENTS").section('=', 1).split(',');
    return sides.size() == 4 ? sides[2].trimmed().toInt() : -1;
}

// Under X11 the window manager draws the title bars with all it offers
// there; the program draws its own only when asked.
TEST(WindowManager, TheWindowManagerDrawsTheTitleBarsUnlessTheProgramIsAsked) {
    for (const bool own : {false, true}) {
        SCOPED_TRACE(own ? "--title-bar=own" : "no option");
        Program program(QProcessEnvironment::systemEnvironment(), {},
                        own ? QStringList{"--title-bar=own"} : QStringList{});
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        const int top = FrameTop(VisibleWindowNamed("ORBIT RAVEN"));
        if (own)
            EXPECT_LE(top, 2) << "the window manager put a title bar on a frameless window";
        else
            EXPECT_GT(top, 10) << "the window manager drew no title bar";
        program.Terminate();
        ASSERT_TRUE(program.WaitForExit(10000));
    }
}

} // namespace
} // namespace orv::e2e
