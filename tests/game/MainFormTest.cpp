// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindowFixture.h"
#include "components/ComponentTexts.h"
#include "components/media/ImageBox.h"
#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Label.h"
#include "framework/controls/Menus.h"
#include "framework/files/Files.h"
#include "framework/files/Resources.h"
#include "game/CommandLine.h"
#include "game/GameTexts.h"
#include "game/Main.h"
#include "game/UGame.h"
#include "game/UUnit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace orv {
namespace {

using MainWindow = test::MainWindowFixture;

int CountColour(const QImage& image, QRgb colour, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

TEST_F(MainWindow, FirstStartShowsTheTitleScreenWithDefaults) {
    Open();
    EXPECT_EQ(Game->State(), gsTitle);
    EXPECT_EQ(form->HiScoreLabel->Caption(), "000000");
    EXPECT_EQ(form->LevelLabel->Caption(), "000000");
    EXPECT_TRUE(form->NormalSpeedItem->Checked());
    EXPECT_FALSE(form->FastSpeedItem->Checked());
    bool sound = false, laser = false;
    Game->GetSound(sound, laser);
    EXPECT_TRUE(sound && laser);
    EXPECT_EQ(form->GameImageBox->Interval(), 200);
    EXPECT_FALSE(form->GameImageBox->TimerEnabled());
    EXPECT_EQ(form->ClientWidth(), 604);
    EXPECT_EQ(form->ClientHeight(), 422);
    EXPECT_EQ(form->Color(), clBlack);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(MainWindow, TitleScreenShowsTheDoubledTitleAndPushSpace) {
    Open();
    const TBitmap& title = form->TitleImageBox->Bitmap();
    const TBitmap& field = form->GameImageBox->Bitmap();
    int matching = 0;
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 180; x += 3)
            matching += field.Pixel(20 + 2 * x + 1, 64 + 2 * y + 1) == title.Pixel(x, y);
    EXPECT_EQ(matching, 60 * 27);
    EXPECT_EQ(field.Pixel(19, 100), clBlack);
    EXPECT_EQ(field.Pixel(380, 100), clBlack);
    // "PUSH SPACE" stands on the screen, below the title, never in the bitmap.
    const QImage screen = Field();
    EXPECT_GT(CountColour(screen, 0xFFFFFF, QRect(0, 260, 400, 80)), 50);
    int whiteInBitmap = 0;
    for (int y = 260; y < 340; ++y)
        for (int x = 0; x < 400; ++x)
            whiteInBitmap += field.Pixel(x, y) == clWhite;
    EXPECT_EQ(whiteInBitmap, 0);
}

TEST_F(MainWindow, SpaceStartsPauseTogglesAndGGivesUp) {
    Open();
    form->StartItem->Click();
    EXPECT_EQ(Game->State(), gsPlaying);
    EXPECT_TRUE(form->GameImageBox->TimerEnabled());
    EXPECT_EQ(form->ScoreLabel->Caption(), "000000");
    EXPECT_NE(form->LeftImageBox->Bitmap().Pixel(104 + 8, 8), clBlack);
    EXPECT_NE(form->LeftImageBox->Bitmap().Pixel(84 + 8, 8), clBlack);
    EXPECT_EQ(form->LeftImageBox->Bitmap().Pixel(64 + 8, 8), clBlack);
    form->StartItem->Click(); // no second game while one runs
    EXPECT_EQ(Game->State(), gsPlaying);

    form->PauseItem->Click();
    EXPECT_EQ(Game->State(), gsPaused);
    EXPECT_FALSE(form->GameImageBox->TimerEnabled());
    form->GameImageBox->Repaint();
    EXPECT_GT(CountColour(Field(), 0xFFFFFF, QRect(100, 170, 200, 60)), 30);
    form->StartItem->Click();
    EXPECT_EQ(Game->State(), gsPaused);
    form->PauseItem->Click();
    EXPECT_EQ(Game->State(), gsPlaying);

    Key(Qt::Key_G, true);
    EXPECT_EQ(Game->State(), gsGameOver);
    form->GameImageBox->Repaint();
    EXPECT_GT(CountColour(Field(), 0xFF0000, QRect(0, 150, 400, 100)), 30);
    form->PauseItem->Click();
    EXPECT_EQ(Game->State(), gsGameOver);
    form->StartItem->Click();
    EXPECT_EQ(Game->State(), gsPlaying);
    form->TitleItem->Click();
    EXPECT_EQ(Game->State(), gsTitle);
}

TEST_F(MainWindow, GOnTheTitleScreenWritesGameOverOverTheTitle) {
    Open();
    Key(Qt::Key_G, true);
    EXPECT_EQ(Game->State(), gsGameOver);
    form->GameImageBox->Repaint();
    const QImage screen = Field();
    EXPECT_GT(CountColour(screen, 0xFF0000, QRect(0, 150, 400, 100)), 30);
    EXPECT_GT(CountColour(screen, 0xFFFFFF, QRect(0, 260, 400, 80)), 30);
}

TEST_F(MainWindow, HeldFireSurvivesAutoRepeatReleasesAndStopsOnRealRelease) {
    Open();
    Key(Qt::Key_Z, true);
    EXPECT_TRUE(Game->Ship()->Fire());
    Key(Qt::Key_Z, false, true); // the X server's release before a repeat
    EXPECT_TRUE(Game->Ship()->Fire()) << "a repeat's release stopped the fire";
    Key(Qt::Key_Z, true, true);
    EXPECT_TRUE(Game->Ship()->Fire());
    Key(Qt::Key_Z, false);
    EXPECT_FALSE(Game->Ship()->Fire());
    Key(Qt::Key_Period, true);
    EXPECT_TRUE(Game->Ship()->Fire());
    Key(Qt::Key_Period, false);
    EXPECT_FALSE(Game->Ship()->Fire());
}

TEST_F(MainWindow, SpeedItemsAreRadioItemsAndChangeTheTick) {
    Open();
    form->FastSpeedItem->Click();
    EXPECT_TRUE(form->FastSpeedItem->Checked());
    EXPECT_FALSE(form->NormalSpeedItem->Checked());
    EXPECT_EQ(Game->GetSpeed(), 125);
    form->SlowSpeedItem->Click();
    EXPECT_TRUE(form->SlowSpeedItem->Checked());
    EXPECT_FALSE(form->FastSpeedItem->Checked());
    EXPECT_EQ(form->GameImageBox->Interval(), 400);
}

TEST_F(MainWindow, StoredSpeedChecksItsItemOrLeavesNormalChecked) {
    WriteIni("[Game]\r\nSpeed=125\r\n");
    Open();
    EXPECT_TRUE(form->FastSpeedItem->Checked());
    EXPECT_FALSE(form->NormalSpeedItem->Checked());
    form.reset();
    WriteIni("[Game]\r\nSpeed=300\r\nHiScore=4321\r\nSound=No\r\n");
    Open();
    EXPECT_EQ(Game->GetSpeed(), 300);
    EXPECT_TRUE(form->NormalSpeedItem->Checked());
    EXPECT_EQ(form->HiScoreLabel->Caption(), "004321");
    bool sound = true, laser = false;
    Game->GetSound(sound, laser);
    EXPECT_FALSE(sound);
    EXPECT_TRUE(laser);
}

// The test screen is 800 pixels wide: on this first start the designed
// left of 237 would put the 612-pixel window partly off it, so it opens at
// 800 - 612.
TEST_F(MainWindow, EndingWritesTheSettingsFileByteForByte) {
    Open();
    form->FastSpeedItem->Click();
    form.reset();
    EXPECT_EQ(ReadIni(),
              ";ORBIT RAVEN\r\n"
              "[Game]\r\nHiScore=0\r\nSpeed=125\r\nSound=Yes\r\nLaserSound=Yes\r\n\r\n"
              "[SystemConfig]\r\nShowHint=Yes\r\nHintPause=500\r\nHintHidePause=2500\r\n\r\n"
              "[Forms]\r\nF0000Name=ORBIT RAVEN\r\nF0000Pos=YNNYNY(-1,0)2(188,249);\r\n\r\n"
              "[WindowManager]\r\nJumpCursor=Yes\r\nCursorMoveStep=20\r\n"
              "CursorMaxMoves=10\r\n\r\n"
              "[Application]\r\nName=ORBIT RAVEN\r\nVersion=1.10\r\n\r\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Dir() + "orbit-raven.~NI")));
    Open();
    form.reset();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Dir() + "orbit-raven.~NI")));
}

TEST_F(MainWindow, ReopensWhereItWasLeftAndKeepsPlacesOfOtherWidths) {
    WriteIni("[Forms]\r\nF0000Name=ORBIT RAVEN\r\nF0000Pos=YNNYNY(-1,0)2(100,50);1920(5,5);\r\n"
             "F0001Name=Dialog\r\nF0001Pos=YNNN3(1,2);\r\n");
    Open();
    EXPECT_EQ(form->Left(), 100);
    EXPECT_EQ(form->Top(), 50);
    form.reset();
    const std::string written = ReadIni();
    EXPECT_NE(written.find("F0000Pos=YNNYNY(-1,0)2(100,50);1920(5,5);\r\n"
                           "F0001Name=Dialog\r\nF0001Pos=YNNN3(1,2);\r\n"),
              std::string::npos)
        << written;
}

TEST_F(MainWindow, ForeignSettingsFileIsRefusedAndStillWrittenBack) {
    WriteIni("[Application]\r\nName=OTHER GAME\r\n[Other]\r\nKey=1\r\n");
    Open();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, Tr(GameTexts::WrongIniFile));
    EXPECT_EQ(fakes.messageBox.shown[0].caption, Application().Title());
    EXPECT_TRUE(Application().Terminated());
    form.reset();
    const std::string written = ReadIni();
    EXPECT_NE(written.find("Name=ORBIT RAVEN"), std::string::npos);
    EXPECT_NE(written.find("[Other]\r\nKey=1"), std::string::npos);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Dir() + "orbit-raven.~NI")));
}

// Every value that cannot be used is named in one message, with the file,
// the value used instead and where the old one stays; a number too large is
// not called "no integer".
TEST_F(MainWindow, UnconvertibleNumbersAreReportedAndReplacedByDefaults) {
    WriteIni("[Game]\r\nSpeed=fast\r\nHiScore=99999999999\r\nLaserSound=No\r\n"
             "[WindowManager]\r\nCursorMaxMoves=12x\r\n");
    Open();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    const std::string& text = fakes.messageBox.shown[0].text;
    for (const std::string& part :
         {IniPath(), std::string("[Game] HiScore=99999999999 "), std::string("[Game] Speed=fast "),
          std::string("[WindowManager] CursorMaxMoves=12x "), Dir() + "orbit-raven.~NI"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nnot in\n" << text;
    EXPECT_EQ(text.find("99999999999 は整数ではありません"), std::string::npos) << text;
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(Game->GetSpeed(), 200);
    EXPECT_EQ(Game->HiScore(), 0);
    bool sound = false, laser = true;
    Game->GetSound(sound, laser);
    EXPECT_FALSE(laser);
    form.reset();
    const std::string written = ReadIni();
    EXPECT_NE(written.find("Speed=200\r\n"), std::string::npos);
    EXPECT_NE(written.find("HiScore=0\r\n"), std::string::npos);
}

// A Speed of 0 or below would freeze every game: it is reported with its key
// and value and replaced like one that does not convert.
TEST_F(MainWindow, SpeedsOfZeroOrBelowAreReportedAndReplacedByTheDefault) {
    for (const std::string stored : {"0", "-5", "$FFFFFFFF"}) {
        SCOPED_TRACE(stored);
        fakes.messageBox.shown.clear();
        WriteIni("[Game]\r\nSpeed=" + stored + "\r\n");
        Open();
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        const std::string& text = fakes.messageBox.shown[0].text;
        EXPECT_NE(text.find("Speed"), std::string::npos) << text;
        EXPECT_NE(text.find("Speed=" + stored), std::string::npos) << text;
        EXPECT_EQ(Game->GetSpeed(), 200);
        EXPECT_TRUE(form->NormalSpeedItem->Checked());
        form.reset();
        EXPECT_NE(ReadIni().find("Speed=200\r\n"), std::string::npos);
    }
}

// When nothing can open it, a message says where the manual is.
TEST_F(MainWindow, ManualOpensBesideTheProgramOrSaysWhereItIs) {
    Open();
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens);
        fakes.shell.opened.clear();
        fakes.messageBox.shown.clear();
        fakes.shell.opens = opens;
        form->ManualItem->Click();
        EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{Dir() + "Manual.txt"});
        ASSERT_EQ(fakes.messageBox.shown.size(), opens ? 0u : 1u);
        if (!opens) {
            EXPECT_EQ(fakes.messageBox.shown[0].text,
                      Format(GameTexts::ManualNotOpened, {Dir() + "Manual.txt"}));
            EXPECT_EQ(fakes.messageBox.shown[0].caption, "ORBIT RAVEN");
        }
    }
}

std::string ReadSource(const std::string& path) {
    QFile file(QString::fromStdString(std::string(ORV_SOURCE_DIR) + "/" + path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll().toStdString();
}

// How the manual and the manual page write a menu shortcut.
std::string ShortCutName(int shortCut) {
    constexpr int kCtrl = ShortCut(0, ssCtrl);
    if (shortCut == VK_SPACE)
        return "Space";
    if (shortCut == VK_ESCAPE)
        return "Esc";
    if (shortCut >= VK_F1 && shortCut < VK_F1 + 12)
        return "F" + std::to_string(shortCut - VK_F1 + 1);
    if (shortCut > kCtrl && shortCut - kCtrl >= 'A' && shortCut - kCtrl <= 'Z')
        return std::string("Ctrl+") + static_cast<char>(shortCut - kCtrl);
    return "<shortcut " + std::to_string(shortCut) + ">";
}

// Where the program keeps its settings: the file's and the backup's names
// beside a program run from its folder, and the folder in the user's
// configuration directory of an installed one, written from the home folder.
struct SettingsPlaces {
    std::string file, backup, userFolder;
};

// The manuals, the manual page and the README name every shortcut of the
// menu, every option of the command line and where the settings are, as the
// program has them; the manual calls the settings by the dialog's words.
TEST_F(MainWindow, TheDocumentsNameEveryShortcutOptionAndSettingsFile) {
    SettingsPlaces places;
    Open();
    ASSERT_EQ(ExtractFilePath(form->AutoIniFile->IniFileName()), Dir());
    places.file = ExtractFileName(form->AutoIniFile->IniFileName());
    places.backup = ExtractFileName(form->AutoIniFile->BakFileName());
    form.reset();
    {
        const std::string config = Dir() + "config/";
        const std::string configHome = Dir() + "config";
        const char* saved = std::getenv("XDG_CONFIG_HOME");
        const std::string savedValue = saved ? saved : "";
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        QFile marker(QString::fromStdString(Dir() + TAutoIniFile::kInstalledMarker));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.close();
        Open();
        const std::string installed = form->AutoIniFile->IniFileName();
        form.reset();
        marker.remove();
        saved ? setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
        ASSERT_EQ(installed.rfind(config, 0), 0u) << installed;
        EXPECT_EQ(ExtractFileName(installed), places.file);
        places.userFolder = "~/.config/" + ExtractFilePath(installed.substr(config.size()));
    }
    EXPECT_EQ(places.userFolder, "~/.config/orbit-raven/");

    struct Document {
        const char* path;
        bool manual;
        const char* buildFolder;
    };
    const Document documents[] = {{"resources/Manual.txt", true, "ビルドしたフォルダ"},
                                  {"resources/Manual-en.txt", true, "build folder"},
                                  {"packaging/orbit-raven.6", false, "build folder"},
                                  {"README.md", false, "build folder"}};
    Open();
    std::vector<int> shortCuts;
    std::vector<const TMenuItem*> items(form->MainMenu1->Items().begin(),
                                        form->MainMenu1->Items().end());
    while (!items.empty()) {
        const TMenuItem* item = items.back();
        items.pop_back();
        items.insert(items.end(), item->Items().begin(), item->Items().end());
        if (item->ShortCut() != 0)
            shortCuts.push_back(item->ShortCut());
    }
    EXPECT_EQ(shortCuts.size(), 5u);
    for (const Document& document : documents) {
        SCOPED_TRACE(document.path);
        const std::string text = ReadSource(document.path);
        const bool page = std::string(document.path).ends_with(".6");
        const bool japanese = std::string(document.path).ends_with("Manual.txt");
        std::vector<std::string> wanted = {places.file, places.userFolder, "XDG_CONFIG_HOME",
                                           document.buildFolder};
        if (document.manual || page)
            wanted.push_back(places.backup);
        for (const int shortCut : shortCuts) {
            const std::string name = ShortCutName(shortCut);
            if (document.manual)
                wanted.push_back("\n  " + (japanese && name == "Space" ? "スペース" : name) + " ");
            else if (page)
                wanted.push_back("\n.B " + name + "\n");
        }
        // The manuals name the options that change the game; the manual
        // page and the README all of them.
        for (const TCommandLineOption& option : kCommandLineOptions) {
            std::string name = std::string("--") + option.Name;
            if (page)
                for (std::size_t at = 0; (at = name.find('-', at)) != std::string::npos; at += 2)
                    name.insert(at, "\\");
            if (!document.manual || *option.Values)
                wanted.push_back(name);
        }
        // Line breaks and indents count as one space, except in the lists.
        const std::string flat = QString::fromStdString(text).simplified().toStdString();
        for (const std::string& what : wanted)
            EXPECT_TRUE(text.find(what) != std::string::npos ||
                        flat.find(what) != std::string::npos)
                << what;
    }
    const std::string manual = ReadSource("resources/Manual.txt");
    EXPECT_NE(manual.find("バルーンヘルプ"), std::string::npos);
    EXPECT_EQ(manual.find("バルーンヒント"), std::string::npos);
}

TEST_F(MainWindow, ManualOpensBesideTheProgramInTheLanguageShown) {
    Open();
    form->ManualItem->Click();
    ASSERT_TRUE(Application().Language().Load("en"));
    form->ManualItem->Click();
    Application().Language().Load("ja");
    EXPECT_EQ(fakes.shell.opened,
              (std::vector<std::string>{Dir() + "Manual.txt", Dir() + "Manual-en.txt"}));
}

TEST_F(MainWindow, EveryCommandIsEnabled) {
    Open();
    for (TMenuItem* item : {form->ClearHiScoreItem, form->GameConfigItem, form->SysConfigItem,
                            form->AboutItem, form->TerminateItem, form->ManualItem})
        EXPECT_TRUE(item->Enabled()) << item->Name();
    EXPECT_EQ(form->TerminateItem->ShortCut(), 16465);
    EXPECT_EQ(form->TitleItem->ShortCut(), 16468);
}

TEST_F(MainWindow, ATickDuringPlayMovesTheShipAndRepaints) {
    Open();
    form->StartItem->Click();
    const TPoint before = Game->Ship()->Position();
    int painted = 0;
    form->GameImageBox->OnPainted = [&](TObject*) { ++painted; };
    form->GameImageBox->WndProc(TCustomImageBox::kTickMessage);
    EXPECT_NE(Game->Ship()->Position(), before);
    EXPECT_EQ(painted, 1);
}

} // namespace
} // namespace orv
