// Drives the real program under Xvfb with a small window manager: keys go in
// through xdotool, screenshots come back through the X server, and the
// settings file is checked after the program was closed with its window's
// close button. Skips (exit 77) where Xvfb, xdotool, openbox or xwininfo is
// missing.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

QString programPath;
QString shotDir;

QString RunTool(const QString& program, const QStringList& args, int timeoutMs = 10000) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(timeoutMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void Wait(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

// Xvfb picks a free display itself and writes its number once it listens,
// so the display is this run's own server and parallel runs never meet.
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

// A visible window by its title as the window manager shows it
// (_NET_WM_NAME): a program started under a locale the machine lacks writes
// the legacy name in Latin-1, which xdotool's own name search would miss.
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

// The program started from a fresh copy of its folder.
class Program {
public:
    explicit Program(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                     const QByteArray& settings = {}, const QStringList& args = {})
        : args_(args) {
        const QString dir = folder_.path();
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
    ~Program() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    bool WaitForWindow() {
        window_ = RunTool("xdotool",
                          {"search", "--sync", "--onlyvisible", "--name", "^ORBIT RAVEN$"}, 15000)
                      .split('\n')
                      .value(0);
        if (window_.isEmpty())
            return false;
        RunTool("xdotool", {"windowactivate", "--sync", window_});
        Wait(500);
        ReadGeometry();
        return true;
    }

    void Key(const QString& key) {
        RunTool("xdotool", {"windowactivate", "--sync", window_});
        RunTool("xdotool", {"key", "--clearmodifiers", key});
        Wait(400);
    }

    QImage Grab() const {
        return QGuiApplication::primaryScreen()->grabWindow(0, x_, y_, width_, height_).toImage();
    }

    // The play field's top-left pixel inside the window: below the menu bar,
    // at the titled frame's content offset.
    QPoint FieldOrigin() const { return {8, height_ - 422 + 14}; }
    QPoint ClientOrigin() const { return {0, height_ - 422}; }

    void ClickCloseButton() {
        // The window manager's title bar sits just above the window; its
        // close button is at the right end.
        RunTool("xdotool",
                {"mousemove", "--sync", QString::number(x_ + width_ - 9), QString::number(y_ - 9)});
        RunTool("xdotool", {"click", "1"});
    }

    // Answers the quit question with a key: Return for yes, Escape for no.
    bool AnswerQuestion(const QString& key, const QString& caption = "確認") {
        const QString dialog = VisibleWindowNamed(caption, 10000);
        if (dialog.isEmpty())
            return false;
        RunTool("xdotool", {"windowactivate", "--sync", dialog});
        Wait(300);
        RunTool("xdotool", {"key", "--clearmodifiers", key});
        Wait(500);
        return true;
    }

    // Iconified by the window manager, as its title-bar button does, and
    // brought back as the task bar does.
    void Minimize() {
        RunTool("xdotool", {"windowminimize", "--sync", window_});
        Wait(500);
    }
    void Restore() {
        RunTool("xdotool", {"windowactivate", "--sync", window_});
        Wait(500);
    }
    bool Mapped() const {
        return RunTool("xwininfo", {"-id", window_}).contains("Map State: IsViewable");
    }
    QPoint Position() {
        ReadGeometry();
        return {x_, y_};
    }
    // Starts the program again in the same folder, settings and all.
    void Restart() {
        process_.start(folder_.filePath("orbit-raven"), args_);
        process_.waitForStarted(10000);
    }
    void WriteSettings(const QByteArray& bytes) {
        QFile file(folder_.filePath("orbit-raven.INI"));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    void MoveTo(int x, int y) {
        RunTool("xdotool",
                {"windowmove", "--sync", window_, QString::number(x), QString::number(y)});
        Wait(500);
        ReadGeometry();
    }
    int X() const { return x_; }
    int Y() const { return y_; }

    bool Running() const { return process_.state() == QProcess::Running; }
    void Terminate() { process_.terminate(); }
    bool WaitForExit(int ms) { return process_.waitForFinished(ms); }
    int ExitCode() const { return process_.exitCode(); }
    int Status() const { return process_.exitStatus(); }
    QByteArray SettingsFile() const {
        QFile file(folder_.filePath("orbit-raven.INI"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    // xwininfo gives the window's absolute place under a reparenting
    // window manager, where xdotool's answer is off by the decoration.
    void ReadGeometry() {
        const QStringList lines = RunTool("xwininfo", {"-id", window_}).split('\n');
        for (const QString& raw : lines) {
            const QString line = raw.trimmed();
            const int value = line.section(':', 1).trimmed().toInt();
            if (line.startsWith("Absolute upper-left X:"))
                x_ = value;
            else if (line.startsWith("Absolute upper-left Y:"))
                y_ = value;
            else if (line.startsWith("Width:"))
                width_ = value;
            else if (line.startsWith("Height:"))
                height_ = value;
        }
    }

    QTemporaryDir folder_;
    QStringList args_;
    QProcess process_;
    QString window_;
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
};

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

// The place and size of the visible window with this exact title.
QRect WindowRect(const QString& title, int timeoutMs = 10000) {
    const QString window =
        RunTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"},
                timeoutMs)
            .split('\n')
            .value(0);
    if (window.isEmpty())
        return {};
    QRect rect;
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
    return rect;
}

QImage GrabScreen(const QRect& rect) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
        .toImage();
}

void Save(const QImage& image, const char* name) {
    if (!shotDir.isEmpty())
        image.save(QDir(shotDir).filePath(name));
}

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
    ::RunTool("xdotool", {"keydown", "z"});
    Wait(700);
    Save(program.Grab(), "game.png");
    ::RunTool("xdotool", {"keyup", "z"});
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", QString::number(scale));
        Program program(env);
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

    QProcess other;
    other.start("xmessage", {"-title", "OTHER", "another program"});
    const QString otherWindow =
        RunTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^OTHER$"}, 10000)
            .split('\n')
            .value(0);
    ASSERT_FALSE(otherWindow.isEmpty()) << "xmessage showed no window";
    RunTool("xdotool", {"windowactivate", "--sync", otherWindow});
    Wait(800);
    program.Restore();
    const QImage back = program.Grab();
    Save(back, "left-for-another.png");
    EXPECT_GT(Count(back, pauseText, IsWhite), 30)
        << "no PAUSE after another program had the focus";
    Wait(600);
    EXPECT_EQ(program.Grab().copy(field), back.copy(field)) << "the game ran on after coming back";
    other.kill();
    other.waitForFinished(3000);
}

void MouseTo(QPoint screen) {
    RunTool("xdotool",
            {"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y())});
}

QPoint MouseLocation() {
    const QString where = RunTool("xdotool", {"getmouselocation"});
    const QRegularExpressionMatch m = QRegularExpression("x:(-?\\d+) y:(-?\\d+)").match(where);
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint(-1, -1);
}

// Leave the main window for a dialog by keyboard with the cursor in it, move
// the cursor away, close the dialog by keyboard: the cursor comes back, and
// its point is remembered in the settings file. On a doubled scale too, where
// the program's points are half the screen's pixels.
TEST(WholeProgram, KeyboardClosedDialogBringsTheCursorBack) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", QString::number(scale));
        Program program(env);
        ASSERT_TRUE(program.WaitForWindow()) << "no window appeared";
        const QPoint clientOrigin(0, program.Height() - scale * 422);
        const QPoint point = program.Position() + clientOrigin + scale * QPoint(200, 150);
        MouseTo(point);
        Wait(300);
        program.Key("ctrl+q");
        const QString dialog =
            RunTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^確認$"}, 10000)
                .split('\n')
                .value(0);
        ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+Q asked nothing";
        Wait(300);
        const QPoint away(2000, 1200);
        MouseTo(away);
        ASSERT_EQ(MouseLocation(), away);
        RunTool("xdotool", {"windowactivate", "--sync", dialog});
        RunTool("xdotool", {"key", "--clearmodifiers", "Escape"});
        Wait(1000);
        // A program point covers scale × scale screen pixels.
        const QPoint back = MouseLocation();
        EXPECT_TRUE(std::abs(back.x() - point.x()) < scale &&
                    std::abs(back.y() - point.y()) < scale)
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

bool Near(QPoint a, QPoint b, int scale) {
    return std::abs(a.x() - b.x()) < scale && std::abs(a.y() - b.y()) < scale;
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", QString::number(scale));
    Program program(env);
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
    QProcess other;
    other.start("xmessage", {"-geometry", "+2000+100", "elsewhere"});
    const QString otherWindow =
        RunTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^xmessage$"}, 10000)
            .split('\n')
            .value(0);
    ASSERT_FALSE(otherWindow.isEmpty()) << "xmessage showed no window";
    RunTool("xdotool", {"windowactivate", "--sync", otherWindow});
    Wait(1000);
    const QPoint placeBefore = program.Position();
    const QPoint titleBar(program.X() + program.Width() / 2, program.Y() - 9);
    MouseTo(titleBar);
    RunTool("xdotool", {"mousedown", "1"});
    Wait(800);
    const QPoint held = MouseLocation();
    RunTool("xdotool", {"mouseup", "1"});
    Wait(300);
    other.kill();
    other.waitForFinished(3000);
    EXPECT_EQ(held, titleBar) << "the cursor jumped while the title bar was held, to "
                              << Describe(held).toStdString();
    EXPECT_EQ(program.Position(), placeBefore) << "the window was dragged";

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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    Program program(env);
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
        const QString shown =
            RunTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^ORBIT RAVEN$"})
                .split('\n')
                .value(0);
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    Program program(env, "[SystemConfig]\r\nShowHint=No\r\nHintPause=300\r\n");
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

} // namespace

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

int main(int argc, char** argv) {
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
    programPath = QString::fromLocal8Bit(argv[1]);
    shotDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

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
