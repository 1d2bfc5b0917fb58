// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program played: its states from the title to the end of a game,
// the quit question, the texts' language, and minimising or leaving the
// program, which pauses a game.

#include "Driver.h"
#include "support/AudioServer.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace orv::e2e {
namespace {

TEST(WholeProgram, PlaysThroughItsStatesAndSavesOnClose) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    EXPECT_EQ(program.Width(), 604);

    QImage shot = program.Grab();
    Save(shot, "title.png");
    EXPECT_GT(Count(shot, FieldRect(program, 20, 64, 360, 160), IsGreen), 2000)
        << "no doubled title on the field";
    EXPECT_GT(Count(shot, FieldRect(program, 0, 260, 400, 80), IsWhite), 50) << "no PUSH SPACE";

    program.Key("space");
    shot = program.Grab();
    // A picture of the game with the fire key held, for the README.
    RunTool("xdotool", {"keydown", "z"});
    Wait(700);
    Save(program.Grab(), "game.png");
    RunTool("xdotool", {"keyup", "z"});
    EXPECT_LT(Count(shot, FieldRect(program, 20, 64, 360, 160), IsGreen), 100)
        << "the title stayed after the start";
    const QPoint strip = program.ClientOrigin() + QPoint(440, 384);
    EXPECT_GT(Count(shot, QRect(strip + QPoint(104, 0), QSize(16, 16)), IsLit), 10);
    EXPECT_GT(Count(shot, QRect(strip + QPoint(84, 0), QSize(16, 16)), IsLit), 10);
    EXPECT_EQ(Count(shot, QRect(strip + QPoint(64, 0), QSize(16, 16)), IsLit), 0);

    program.Key("Escape");
    shot = program.Grab();
    Save(shot, "pause.png");
    EXPECT_GT(Count(shot, FieldRect(program, 100, 170, 200, 60), IsWhite), 30) << "no PAUSE";
    program.Key("Escape");

    program.Key("g");
    shot = program.Grab();
    Save(shot, "gameover.png");
    EXPECT_GT(Count(shot, FieldRect(program, 0, 150, 400, 100), IsRed), 30) << "no GAME OVER";

    program.ClickCloseButton();
    ASSERT_TRUE(program.AnswerQuestion("Escape")) << "the close button asked nothing";
    EXPECT_TRUE(program.Running()) << "answering no still ended the program";
    program.ClickCloseButton();
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000)) << "the close button did not end the program";
    EXPECT_EQ(program.ExitCode(), 0);
    // Byte for byte, but for the high score: the laser held for the picture
    // above may have scored.
    const QRegularExpression written(
        "^;ORBIT RAVEN\r\n"
        "\\[Game\\]\r\nHiScore=[0-9]*0\r\nSpeed=200\r\nSound=Yes\r\nLaserSound=Yes\r\n\r\n"
        "\\[SystemConfig\\]\r\nShowHint=Yes\r\nHintPause=500\r\nHintHidePause=2500\r\n\r\n"
        "\\[Forms\\]\r\nF0000Name=ORBIT "
        "RAVEN\r\nF0000Pos=YNNYNY\\(-1,0\\)2560\\([0-9]+,[0-9]+\\);\r\n"
        "(F000[1-9]Name=[^\r]+\r\nF000[1-9]Pos=YNNYNY[^\r]+\r\n)*\r\n"
        "\\[WindowManager\\]\r\nJumpCursor=Yes\r\nCursorMoveStep=20\r\nCursorMaxMoves=10\r\n\r\n"
        "\\[Application\\]\r\nName=ORBIT RAVEN\r\nVersion=1\\.10\r\n\r\n\\z");
    const QString file = QString::fromLatin1(program.SettingsFile());
    EXPECT_TRUE(written.match(file).hasMatch()) << file.toStdString();
}

TEST(WholeProgram, CtrlQAsksBeforeEnding) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Escape")) << "Ctrl+Q asked nothing";
    EXPECT_TRUE(program.Running())
        << "Esc answered yes; exit " << program.ExitCode() << " status " << program.Status();
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000)) << "Enter did not end the program";
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_NE(program.SettingsFile().indexOf("[Application]\r\nName=ORBIT RAVEN\r\n"), -1);
}

// With a real audio server, the end after a sound is as clean as any: the
// outputs close while everything they may call back into is whole.
TEST(WholeProgram, QuitsCleanlyAfterASoundWithAnAudioServer) {
    if (!test::AudioServer::Available())
        GTEST_SKIP() << "pulseaudio or parec is not installed";
    const test::AudioServer audio;
    ASSERT_TRUE(audio.Running()) << "the private audio server did not start";
    for (int round = 0; round < 4; ++round) {
        Program program(audio.Environment());
        ASSERT_TRUE(program.WaitForWindow()) << "round " << round;
        program.Key("space");
        RunTool("xdotool", {"keydown", "z"});
        Wait(1000);
        RunTool("xdotool", {"keyup", "z"});
        program.Key("ctrl+q");
        ASSERT_TRUE(program.AnswerQuestion("Return")) << "round " << round;
        ASSERT_TRUE(program.WaitForExit(10000)) << "round " << round;
        EXPECT_EQ(program.Status(), QProcess::NormalExit) << "round " << round;
        EXPECT_EQ(program.ExitCode(), 0) << "round " << round;
    }
}

// The desktop's language never changes the texts: only --lang en does, and
// then the settings file written is still the Japanese program's.
TEST(WholeProgram, JapaneseUnderAnEnglishDesktopAndEnglishOnRequest) {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", "en_US.UTF-8");
    env.insert("LANGUAGE", "en_US:en");
    const struct {
        QStringList args;
        QString caption;
    } runs[] = {{{}, "確認"}, {{"--lang", "en"}, "Confirm"}};
    QByteArray settings[2];
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(runs[i].args.join(' ').toStdString());
        Program program(env, {}, runs[i].args);
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        program.Key("ctrl+q");
        ASSERT_TRUE(program.AnswerQuestion("Return", runs[i].caption))
            << "no quit question captioned " << runs[i].caption.toStdString();
        ASSERT_TRUE(program.WaitForExit(10000));
        settings[i] = program.SettingsFile();
    }
    EXPECT_EQ(settings[1].toStdString(), settings[0].toStdString());
    // 確認 in the settings file's code page, CP932.
    EXPECT_NE(settings[0].indexOf("Name=\x8a"
                                  "m\x94"
                                  "F"),
              -1)
        << settings[0].toStdString();
}

TEST(WholeProgram, MinimisedAndRestoredWindowComesBackWhereItWas) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        Program program(ScaledEnvironment(scale));
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        const QPoint before = program.Position();
        for (int round = 0; round < 2; ++round) {
            program.Minimize();
            EXPECT_FALSE(program.Mapped()) << "round " << round << ": still on the screen";
            program.Restore();
            EXPECT_TRUE(program.Mapped()) << "round " << round << ": not back on the screen";
            EXPECT_EQ(program.Position(), before) << "round " << round;
            ASSERT_TRUE(program.Running()) << "round " << round;
        }
        const QImage shot = program.Grab();
        Save(shot, scale == 1 ? "restored.png" : "restored-hidpi.png");
        // The doubled title on the field, in screen pixels.
        const QPoint field(scale * 8, program.Height() - scale * (422 - 14));
        const QRect title(field + scale * QPoint(20, 64), scale * QSize(360, 160));
        EXPECT_GT(Count(shot, title, IsGreen), scale * scale * 2000)
            << "the title screen was not painted again after restoring";
        program.Key("ctrl+q");
        ASSERT_TRUE(program.AnswerQuestion("Return"));
        ASSERT_TRUE(program.WaitForExit(10000)) << "the program did not end after restoring";
        EXPECT_EQ(program.ExitCode(), 0);
    }
}

// Leaving the program pauses a game as Esc does, and coming back leaves it
// paused: the field stands still under "PAUSE" until Esc resumes it.
TEST(WholeProgram, MinimisingPausesTheGameAndRestoringKeepsItPaused) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    program.Key("space");
    const QRect field = FieldRect(program, 0, 0, 400, 400);
    const QRect pauseText = FieldRect(program, 100, 170, 200, 60);
    program.Minimize();
    program.Restore();
    const QImage back = program.Grab();
    Save(back, "left-paused.png");
    EXPECT_GT(Count(back, pauseText, IsWhite), 30) << "no PAUSE after coming back";
    Wait(1000);
    EXPECT_EQ(program.Grab().copy(field), back.copy(field)) << "the game ran on after restoring";
    program.Key("Escape");
    Wait(600);
    EXPECT_NE(program.Grab().copy(field), back.copy(field)) << "the game did not move after Esc";
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Return"));
    ASSERT_TRUE(program.WaitForExit(10000));
}

// Focus passing to the program's own dialog and back is not leaving: the
// guard resumes the game. Another program taking the focus pauses it.
TEST(WholeProgram, AnotherProgramTakingTheFocusPausesButADialogDoesNot) {
    Program program;
    ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
    program.Key("space");
    const QRect field = FieldRect(program, 0, 0, 400, 400);
    const QRect pauseText = FieldRect(program, 100, 170, 200, 60);
    program.Key("ctrl+q");
    ASSERT_TRUE(program.AnswerQuestion("Escape")) << "Ctrl+Q asked nothing";
    program.Restore();
    const QImage afterDialog = program.Grab();
    Wait(600);
    EXPECT_NE(program.Grab().copy(field), afterDialog.copy(field))
        << "the game stood still after the dialog closed";

    const AnotherProgram other;
    ASSERT_TRUE(other.Active()) << "xmessage showed no window";
    program.Restore();
    const QImage back = program.Grab();
    Save(back, "left-for-another.png");
    EXPECT_GT(Count(back, pauseText, IsWhite), 30)
        << "no PAUSE after another program had the focus";
    Wait(600);
    EXPECT_EQ(program.Grab().copy(field), back.copy(field)) << "the game ran on after coming back";
}

} // namespace
} // namespace orv::e2e
