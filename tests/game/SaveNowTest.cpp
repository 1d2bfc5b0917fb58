// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file is written in the middle of a session, when a game ends
// with a new high score and when a settings dialog is confirmed, exactly as
// the end of the session would write it then; the backup keeps the file the
// session started from.
#include "MainWindowFixture.h"
#include "ModalHook.h"
#include "components/dialogs/YesNoF.h"
#include "components/settings/GameConf.h"
#include "components/settings/SysConfF.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Menus.h"
#include "game/UGame.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>

namespace orv {
namespace {

using test::ModalAnswer;
using test::PressKey;

class SaveNow : public test::MainWindowFixture {
protected:
    std::string Backup() const {
        QFile file(QString::fromStdString(Dir() + "orbit-raven.~NI"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    // A game that scores and is given up.
    void PlayTo(int score) {
        form->StartItem->Click();
        Game->SetScore(score);
        Key(Qt::Key_G, true);
        Key(Qt::Key_G, false);
        ASSERT_EQ(Game->State(), gsGameOver);
    }
};

// On a first start: the order of the sections made on the way is the end's.
TEST_F(SaveNow, AGameThatEndsWithANewHighScoreIsSavedAsTheEndWouldSaveIt) {
    Open();
    PlayTo(0);
    EXPECT_EQ(ReadIni(), "<missing>") << "no new high score, nothing to save";
    PlayTo(40);
    const std::string saved = ReadIni();
    EXPECT_NE(saved.find("HiScore=40\r\n"), std::string::npos) << saved;
    PlayTo(30);
    EXPECT_EQ(ReadIni(), saved);
    form.reset();
    EXPECT_EQ(ReadIni(), saved);
    EXPECT_EQ(Backup(), "<missing>");
}

TEST_F(SaveNow, ConfirmedSettingsAreSavedAndTheBackupKeepsTheSessionsStart) {
    const std::string atStart = "[Game]\r\nHiScore=7\r\n";
    WriteIni(atStart);
    Open();
    const auto expectSaved = [&](const std::string& entry, bool saved) {
        EXPECT_EQ(ReadIni().find(entry) != std::string::npos, saved) << entry << ReadIni();
        EXPECT_EQ(Backup(), saved ? atStart : "<missing>");
    };
    {
        ModalAnswer cancel([](TForm& f) { PressKey(f, VK_ESCAPE); });
        form->GameConfigItem->Click();
        form->SysConfigItem->Click();
    }
    expectSaved("[Application]", false);
    {
        ModalAnswer ok([](TForm& f) {
            auto& config = dynamic_cast<TGameConfigForm&>(f);
            config.LaserSoundCheckBox->SetChecked(false);
            config.SetButton->Click();
        });
        form->GameConfigItem->Click();
    }
    expectSaved("LaserSound=No\r\n", true);
    {
        ModalAnswer ok([](TForm& f) {
            auto& config = dynamic_cast<TSystemConfigForm&>(f);
            config.ShowHintCheckBox->SetChecked(false);
            config.SetButton->Click();
        });
        form->SysConfigItem->Click();
    }
    expectSaved("ShowHint=No\r\n", true);
    {
        ModalAnswer yes([](TForm& f) { dynamic_cast<TYesNoForm&>(f).YesButton->Click(); });
        form->ClearHiScoreItem->Click();
    }
    expectSaved("HiScore=0\r\n", true);
    const std::string saved = ReadIni();
    form.reset();
    EXPECT_EQ(ReadIni(), saved);
    EXPECT_EQ(Backup(), atStart);
}

} // namespace
} // namespace orv
