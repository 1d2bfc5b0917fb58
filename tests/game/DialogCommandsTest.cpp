// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindowFixture.h"
#include "ModalHook.h"
#include "components/ComponentTexts.h"
#include "components/dialogs/AboutF.h"
#include "components/dialogs/YesNoF.h"
#include "components/dialogs/ZeoDialog.h"
#include "components/settings/GameConf.h"
#include "components/settings/SysConf.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Label.h"
#include "framework/controls/Menus.h"
#include "framework/core/CodePage.h"
#include "game/GameTexts.h"
#include "game/UGame.h"
#include "game/UUnit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace orv {
namespace {

using test::ModalAnswer;
using test::PressKey;

class DialogCommands : public test::MainWindowFixture {
protected:
    // What the game looked like while the dialog was up.
    TGameState stateInDialog = gsTitle;
    bool timerInDialog = true;
    bool fireInDialog = true;

    void Note() {
        stateInDialog = Game->State();
        timerInDialog = form->GameImageBox->TimerEnabled();
        fireInDialog = Game->Ship()->Fire();
    }
};

TEST_F(DialogCommands, EveryDialogHoldsARunningGameAndResumesIt) {
    Open();
    const std::function<void()> commands[] = {
        [&] { form->ClearHiScoreItem->Click(); }, [&] { form->GameConfigItem->Click(); },
        [&] { form->SysConfigItem->Click(); },    [&] { form->AboutItem->Click(); },
        [&] { form->TerminateItem->Click(); },    [&] { form->ConfirmQuit(); }};
    ModalAnswer answer([&](TForm& f) {
        Note();
        f.Close();
    });
    for (const auto& command : commands) {
        form->StartItem->Click();
        int key = 'Z';
        form->FormKeyDown(form.get(), key, 0);
        ASSERT_TRUE(Game->Ship()->Fire());
        command();
        EXPECT_EQ(stateInDialog, gsPaused);
        EXPECT_FALSE(timerInDialog);
        EXPECT_FALSE(fireInDialog);
        EXPECT_EQ(Game->State(), gsPlaying);
        EXPECT_TRUE(form->GameImageBox->TimerEnabled());
        EXPECT_FALSE(Game->Ship()->Fire()) << "fire went on after the dialog";
        Game->GameOver();
    }
    EXPECT_EQ(answer.shown, 6);
    EXPECT_EQ(answer.captions[2], ComponentTexts::SystemConfigCaption.Source);
    EXPECT_FALSE(Application().Terminated());
}

TEST_F(DialogCommands, APausedGameStaysPaused) {
    Open();
    form->StartItem->Click();
    form->PauseItem->Click();
    ModalAnswer answer([](TForm& f) { f.Close(); });
    form->AboutItem->Click();
    EXPECT_EQ(Game->State(), gsPaused);
    EXPECT_FALSE(form->GameImageBox->TimerEnabled());
}

TEST_F(DialogCommands, ClearingTheHighScoreAsksWithNoAsDefault) {
    Open();
    Game->SetHiScore(1234);
    TYesNoForm* seen = nullptr;
    std::string message;
    {
        ModalAnswer answer([&](TForm& f) {
            seen = &dynamic_cast<TYesNoForm&>(f);
            message = seen->MessageLabel->Caption();
            EXPECT_EQ(seen->ActiveControl(), seen->NoButton);
            EXPECT_EQ(seen->YesButton->Hint(), Tr(GameTexts::ClearHiScoreYesHint));
            EXPECT_EQ(seen->NoButton->Hint(), Tr(GameTexts::ClearHiScoreNoHint));
            PressKey(f, VK_RETURN);
        });
        form->ClearHiScoreItem->Click();
    }
    EXPECT_EQ(message, Tr(GameTexts::ClearHiScoreQuestion));
    EXPECT_EQ(Game->HiScore(), 1234);
    {
        ModalAnswer escape([](TForm& f) { PressKey(f, VK_ESCAPE); });
        form->ClearHiScoreItem->Click();
    }
    EXPECT_EQ(Game->HiScore(), 1234);
    {
        ModalAnswer yes([](TForm& f) { dynamic_cast<TYesNoForm&>(f).YesButton->Click(); });
        form->ClearHiScoreItem->Click();
    }
    EXPECT_EQ(Game->HiScore(), 0);
    EXPECT_EQ(form->HiScoreLabel->Caption(), "000000");
}

TEST_F(DialogCommands, QuittingAsksWithYesAsDefaultAndNoOnEsc) {
    Open();
    {
        ModalAnswer escape([](TForm& f) {
            auto& yesNo = dynamic_cast<TYesNoForm&>(f);
            EXPECT_EQ(yesNo.MessageLabel->Caption(), Tr(GameTexts::QuitQuestion));
            EXPECT_EQ(yesNo.ActiveControl(), yesNo.YesButton);
            PressKey(f, VK_ESCAPE);
        });
        form->TerminateItem->Click();
    }
    EXPECT_FALSE(Application().Terminated());
    bool canClose = true;
    {
        ModalAnswer no([](TForm& f) { dynamic_cast<TYesNoForm&>(f).NoButton->Click(); });
        form->FormCloseQuery(form.get(), canClose);
    }
    EXPECT_FALSE(canClose);
    {
        ModalAnswer enter([](TForm& f) { PressKey(f, VK_RETURN); });
        form->FormCloseQuery(form.get(), canClose);
        EXPECT_TRUE(canClose);
        form->TerminateItem->Click();
        EXPECT_EQ(enter.shown, 2);
    }
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(DialogCommands, GameSettingsChangeNothingUntilOk) {
    Open();
    Game->SetSound(false, true);
    bool laserEnabledAtShow = true;
    bool laserCheckedAtShow = false;
    {
        ModalAnswer cancel([&](TForm& f) {
            auto& config = dynamic_cast<TGameConfigForm&>(f);
            laserEnabledAtShow = config.LaserSoundCheckBox->Enabled();
            laserCheckedAtShow = config.LaserSoundCheckBox->Checked();
            config.SoundCheckBox->SetChecked(true);
            config.LaserSoundCheckBox->SetChecked(false);
            PressKey(f, VK_ESCAPE);
        });
        form->GameConfigItem->Click();
    }
    EXPECT_FALSE(laserEnabledAtShow);
    EXPECT_TRUE(laserCheckedAtShow);
    bool sound = true, laser = false;
    Game->GetSound(sound, laser);
    EXPECT_FALSE(sound);
    EXPECT_TRUE(laser);
    {
        ModalAnswer ok([](TForm& f) {
            auto& config = dynamic_cast<TGameConfigForm&>(f);
            config.SoundCheckBox->SetChecked(true);
            config.LaserSoundCheckBox->SetChecked(false);
            config.SetButton->Click();
        });
        form->GameConfigItem->Click();
    }
    Game->GetSound(sound, laser);
    EXPECT_TRUE(sound);
    EXPECT_FALSE(laser);
    EXPECT_TRUE(form->MyExplodeWavePlayer->Enabled());
    EXPECT_FALSE(form->LaserWavePlayer->Enabled());
}

TEST_F(DialogCommands, GameSettingsFormIsReleasedEvenWhenHandlingFails) {
    Open();
    QCoreApplication::sendPostedEvents();
    const int before = Application().ComponentCount();
    {
        ModalAnswer fail([](TForm&) { throw std::runtime_error("broken"); });
        EXPECT_THROW(form->GameConfigItem->Click(), std::runtime_error);
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Application().ComponentCount(), before);
    EXPECT_FALSE(form->GameImageBox->TimerEnabled());
}

TEST_F(DialogCommands, AboutBoxShowsTheVersionAndTheMakersLogo) {
    Open();
    EXPECT_EQ(form->AboutDialog->VersionCaption, "Ver1.10");
    EXPECT_FALSE(form->AboutDialog->MakerPicture().Empty());
    std::string version, name;
    ModalAnswer answer([&](TForm& f) {
        auto& about = dynamic_cast<TAboutForm&>(f);
        version = about.VersionLabel->Caption();
        name = about.Name2Label->Caption();
        about.OKButton->Click();
    });
    form->AboutItem->Click();
    EXPECT_EQ(version, "Ver1.10");
    EXPECT_EQ(name, "ORBIT RAVEN");
    EXPECT_EQ(answer.captions, std::vector<std::string>{ComponentTexts::AboutCaption.Source});
}

// English shows in the titles, buttons and menus, but the settings file
// written is byte for byte the Japanese program's: the window manager knows
// each window by its source caption.
TEST_F(DialogCommands, EnglishChangesWhatIsShownButNotTheSettingsFile) {
    struct Run {
        std::string ini, titles, buttons, menu;
    };
    const auto run = [&](const std::string& language) {
        EXPECT_TRUE(Application().Language().Load(language));
        Run seen;
        ModalAnswer answer([&](TForm& f) {
            seen.titles += f.ShownCaption() + ";";
            if (auto* yesNo = dynamic_cast<TYesNoForm*>(&f))
                seen.buttons += yesNo->YesButton->Caption() + yesNo->MessageLabel->Caption() + ";";
            f.Close();
        });
        Open();
        seen.menu = form->ManualItem->Caption();
        for (TMenuItem* item : {form->ClearHiScoreItem, form->GameConfigItem, form->SysConfigItem,
                                form->AboutItem, form->TerminateItem}) {
            item->Click();
            // Released dialogs go, and tell the window manager, in the event loop.
            QCoreApplication::processEvents();
        }
        form.reset();
        seen.ini = ReadIni();
        QFile::remove(QString::fromStdString(IniPath()));
        return seen;
    };
    const Run japanese = run("ja");
    const Run english = run("en");
    Application().Language().Load("ja");
    EXPECT_EQ(english.ini, japanese.ini);
    // The settings file is in the Windows Japanese code page.
    EXPECT_NE(japanese.ini.find("Name=" + Utf8ToCp932(ComponentTexts::Confirm.Source)),
              std::string::npos)
        << japanese.ini;
    std::string sources;
    for (const TText& caption : {ComponentTexts::Confirm, ComponentTexts::GameConfigCaption,
                                 ComponentTexts::SystemConfigCaption, ComponentTexts::AboutCaption,
                                 ComponentTexts::Confirm})
        sources += std::string(caption.Source) + ";";
    EXPECT_EQ(japanese.titles, sources);
    EXPECT_EQ(english.titles, "Confirm;Game Settings;System Settings;About ORBIT RAVEN;Confirm;");
    EXPECT_EQ(english.buttons, "&YesClear the high score?;&YesQuit ORBIT RAVEN?;");
    EXPECT_EQ(english.menu, "&Manual");
}

// Every label, button and check box of every dialog shows its caption whole
// in each language, at the dialogs' own sizes and the default font.
TEST_F(DialogCommands, EveryCaptionFitsInEachLanguage) {
    std::vector<std::string> cut;
    int checked = 0;
    const auto note = [&](const std::string& caption, const std::string& shown) {
        ++checked;
        if (shown != caption)
            cut.push_back(caption + " -> " + shown);
    };
    std::function<void(const TComponent&)> walk = [&](const TComponent& owner) {
        for (TComponent* c : owner.Components()) {
            if (auto* label = dynamic_cast<TLabel*>(c); label && !label->Caption().empty())
                note(label->Caption(), label->ShownCaption());
            else if (auto* button = dynamic_cast<TButton*>(c))
                note(button->Caption(), button->ShownCaption());
            else if (auto* box = dynamic_cast<TCheckBox*>(c))
                note(box->Caption(), box->ShownCaption());
            walk(*c);
        }
    };
    ModalAnswer answer([&](TForm& f) {
        walk(f);
        f.Close();
    });
    for (const char* language : {"ja", "en"}) {
        ASSERT_TRUE(Application().Language().Load(language));
        Open();
        for (TMenuItem* item : {form->ClearHiScoreItem, form->GameConfigItem, form->SysConfigItem,
                                form->AboutItem, form->TerminateItem})
            item->Click();
        form.reset();
        QCoreApplication::processEvents();
    }
    Application().Language().Load("ja");
    EXPECT_EQ(cut, std::vector<std::string>{});
    // Both languages: two questions, the game settings, both pages of the
    // system settings with their number fields, the about box.
    EXPECT_GT(checked, 2 * 30);
}

TEST_F(DialogCommands, DialogComponentsHaveTheirStoredValues) {
    Open();
    EXPECT_FALSE(form->YesNoDialog->PositionEnabled);
    EXPECT_EQ(form->YesNoDialog->FormLeft, 200);
    EXPECT_EQ(form->YesNoDialog->FormTop, 200);
    EXPECT_FALSE(form->AboutDialog->PositionEnabled);
    EXPECT_EQ(form->AboutDialog->Name1Caption, "- Shooting Game -");
    // Created between the menu and the settings file.
    const auto& all = form->Components();
    const auto at = [&](TComponent* c) {
        return std::find(all.begin(), all.end(), c) - all.begin();
    };
    EXPECT_LT(at(form->TerminateItem), at(form->YesNoDialog));
    EXPECT_LT(at(form->YesNoDialog), at(form->AboutDialog));
    EXPECT_LT(at(form->AboutDialog), at(form->AutoIniFile));
    EXPECT_LT(at(form->AutoIniFile), at(form->SystemConfig1));
}

} // namespace
} // namespace orv
