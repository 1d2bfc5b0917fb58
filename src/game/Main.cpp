// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Main.h"

#include "Commands.h"
#include "GameTexts.h"
#include "MainMenu.h"
#include "PlayerInput.h"
#include "UGame.h"
#include "components/ComponentTexts.h"
#include "components/dialogs/ZeoDialog.h"
#include "components/media/ImageBox.h"
#include "components/media/TezFrame.h"
#include "components/media/WavePlay.h"
#include "components/settings/AutoIni.h"
#include "components/settings/GameConf.h"
#include "components/settings/SysConf.h"
#include "components/windows/SysCtrls.h"
#include "components/windows/WManager.h"
#include "framework/app/Application.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Label.h"
#include "framework/controls/Menus.h"
#include "framework/drawing/Bitmap.h"
#include "framework/drawing/Picture.h"
#include "framework/texts/Exceptions.h"

namespace orv {
namespace {

// The speed menu's items, their commands and tick periods in milliseconds.
struct SpeedChoice {
    TMenuItem* TMainForm::*item;
    TGameCommand command;
    int milliseconds;
};
constexpr SpeedChoice kSpeeds[] = {
    {&TMainForm::FastSpeedItem, gcFastSpeed, TGame::kFastSpeed},
    {&TMainForm::NormalSpeedItem, gcNormalSpeed, TGame::kNormalSpeed},
    {&TMainForm::SlowSpeedItem, gcSlowSpeed, TGame::kSlowSpeed},
};

} // namespace

TMainForm::~TMainForm() = default;

void TMainForm::BeforeDestruction() {
    Application().Controllers().SetOnButton({});
    Application().OnMinimize = nullptr;
    Application().OnDeactivate = nullptr;
    if (Game)
        StoreGameEntries();
    game_.reset();
    Game = nullptr;
}

void TMainForm::Loaded() {
    TForm::Loaded();
    SetColor(clBlack);
    TPicture logo;
    logo.LoadIcon("ZEOICON");
    AboutDialog->SetMakerPicture(logo);
    AboutDialog->VersionCaption = GameTexts::kVersionPrefix + std::string(kVersion);
    FillUnitImageList();
    game_ = std::make_unique<TGame>();
    Game = game_.get();
    Game->Setup(*GameImageBox, *LeftImageBox, *TitleImageBox, UnitImageList, *HiScoreLabel,
                *ScoreLabel, *LevelLabel, *MyExplodeWavePlayer, *EnemyExplodeWavePlayer,
                *LaserWavePlayer);
    // The file is not read yet: this applies the defaults.
    Game->LoadSettings(*AutoIniFile);
    Game->ClearField();
    SetLabelFonts();
    SetClientHeight(GameFrame->Height());
    SetClientWidth(GameFrame->Width() + TitleImageBox->Width() + 8);
    Game->ToTitle();
    Game->OnGameEnded = Bind(&TMainForm::GameEnded, this);
    LaserWavePlayer->Stop();
    WatchPlayer();
}

void TMainForm::WatchPlayer() {
    Application().Controllers().SetOnButton(
        [this](TControllerButton button, bool down) { ControllerButton(button, down); });
    Application().OnMinimize = [](TObject*) { RunGameCommand(gcLeave); };
    Application().OnDeactivate = [](TObject*) { RunGameCommand(gcLeave); };
}

void TMainForm::ControllerButton(TControllerButton button, bool down) {
    // Like the keys, only while this window has the focus: never under a
    // dialog, which holds the game.
    if (dialogs_ > 0 || Application().ActiveForm() != this)
        return;
    RunGameCommand(ButtonCommand(button, down));
}

void TMainForm::FillUnitImageList() {
    for (int id = 100; id <= 105; ++id) {
        TBitmap picture;
        picture.LoadFromResourceName("#" + std::to_string(id));
        UnitImageList.AddMasked(picture, clBlack);
    }
}

void TMainForm::SetLabelFonts() {
    for (TLabel* label : {HiScoreCaptionLabel, HiScoreLabel, ScoreCaptionLabel, ScoreLabel,
                          LevelCaptionLabel, LevelLabel, LeftCaptionLabel}) {
        TFont font = label->Font();
        font.SetHeight(-27);
        label->SetFont(font);
    }
    for (TLabel* label : {Zeo1Label, Zeo2Label}) {
        TFont font = label->Font();
        font.SetHeight(-21);
        font.SetColor(clLime);
        label->SetFont(font);
    }
}

void TMainForm::SetKeyBindings(TKeyBindings bindings) {
    keyBindings_ = std::move(bindings);
    SetMenuShortCuts(*this, keyBindings_);
}

void TMainForm::RunCommand(TGameCommand command) {
    TMenuItem* item = MenuItemOf(*this, command);
    if (item && IsWindowCommand(command))
        item->Click();
    else
        RunGameCommand(command);
}

void TMainForm::FormKeyDown(TObject*, int& key, unsigned) {
    RunCommand(KeyCommand(keyBindings_, key, true));
}

void TMainForm::FormKeyUp(TObject*, int& key, unsigned) {
    RunCommand(KeyCommand(keyBindings_, key, false));
}

void TMainForm::StartItemClick(TObject*) {
    RunGameCommand(gcStart);
}

void TMainForm::PauseItemClick(TObject*) {
    RunGameCommand(gcPauseResume);
}

void TMainForm::FastSpeedItemClick(TObject*) {
    ChooseSpeed(gcFastSpeed);
}

void TMainForm::NormalSpeedItemClick(TObject*) {
    ChooseSpeed(gcNormalSpeed);
}

void TMainForm::SlowSpeedItemClick(TObject*) {
    ChooseSpeed(gcSlowSpeed);
}

void TMainForm::ChooseSpeed(TGameCommand command) {
    for (const SpeedChoice& choice : kSpeeds)
        if (choice.command == command)
            (this->*choice.item)->SetChecked(true);
    RunGameCommand(command);
}

void TMainForm::TitleItemClick(TObject*) {
    RunGameCommand(gcTitle);
}

void TMainForm::AutoIniFileIniLoaded(TObject*) {
    const std::string name = AutoIniFile->ReadString("Application", "Name", kProgramName);
    if (name != kProgramName) {
        Application().MessageBox(Tr(GameTexts::WrongIniFile), Application().Title(), MB_OK);
        Application().Terminate();
    }
    AutoIniFile->RepairInteger(TGame::kIniSection, TGame::kHiScoreKey, 0);
    Game->SetHiScore(AutoIniFile->ReadInteger(TGame::kIniSection, TGame::kHiScoreKey, 0));
    storedHiScore_ = Game->HiScore();
    AutoIniFile->RepairInteger(TGame::kIniSection, TGame::kSpeedKey, TGame::kNormalSpeed, 1);
    Game->LoadSettings(*AutoIniFile);
    CheckSpeedItem(Game->GetSpeed());
}

void TMainForm::StoreGameEntries() {
    AutoIniFile->WriteInteger(TGame::kIniSection, TGame::kHiScoreKey, Game->HiScore());
    Game->SaveSettings(*AutoIniFile);
}

void TMainForm::SaveNow() {
    AutoIniFile->Save([this] { StoreGameEntries(); });
    storedHiScore_ = Game->HiScore();
}

// A new high score is saved at once; the one save on the tick's path.
void TMainForm::GameEnded(TObject*) {
    if (Game->HiScore() != storedHiScore_)
        SaveNow();
}

void TMainForm::CheckSpeedItem(int speed) {
    // Another period leaves the check where it is.
    for (const SpeedChoice& choice : kSpeeds)
        if (choice.milliseconds == speed)
            (this->*choice.item)->SetChecked(true);
}

template <typename Dialog> auto TMainForm::Guarded(Dialog dialog) {
    const bool paused = RunGameCommand(gcHold);
    // Resumes also when the dialog fails.
    struct Resume {
        bool paused;
        int& dialogs;
        ~Resume() {
            --dialogs;
            if (paused)
                RunGameCommand(gcResume);
        }
    } resume{paused, ++dialogs_};
    return dialog();
}

void TMainForm::ManualItemClick(TObject*) {
    // A translated manual lies beside the Japanese one, named after its language.
    const TLanguage& language = Application().Language();
    const std::string manual =
        Application().ExeDir() +
        (language.IsSource() ? "Manual.txt" : "Manual-" + language.Code() + ".txt");
    if (Application().Shell().Open(manual))
        return;
    // Without a desktop opener nothing would show: say where the manual is.
    Guarded([&manual] {
        Application().MessageBox(Format(GameTexts::ManualNotOpened, {manual}),
                                 Application().Title(), MB_OK | MB_ICONWARNING);
    });
}

void TMainForm::ClearHiScoreItemClick(TObject*) {
    Guarded([this] {
        YesNoDialog->FormMessage = Tr(GameTexts::ClearHiScoreQuestion);
        YesNoDialog->YesButtonHint = Tr(GameTexts::ClearHiScoreYesHint);
        YesNoDialog->NoButtonHint = Tr(GameTexts::ClearHiScoreNoHint);
        YesNoDialog->CancelButton = ynNo;
        YesNoDialog->DefaultButton = ynNo;
        if (YesNoDialog->Execute()) {
            RunGameCommand(gcClearHiScore);
            SaveNow();
        }
    });
}

void TMainForm::GameConfigItemClick(TObject*) {
    Guarded([this] {
        auto* form = new TGameConfigForm(&Application());
        // Released however the dialog ends.
        struct Release {
            TForm* form;
            ~Release() { form->Release(); }
        } release{form};
        bool sound = true;
        bool laserSound = true;
        Game->GetSound(sound, laserSound);
        form->SoundCheckBox->SetChecked(sound);
        form->LaserSoundCheckBox->SetChecked(laserSound);
        form->LaserSoundCheckBox->SetEnabled(sound);
        if (form->ShowModal() == mrOk) {
            Game->SetSound(form->SoundCheckBox->Checked(), form->LaserSoundCheckBox->Checked());
            SaveNow();
        }
    });
}

void TMainForm::SysConfigItemClick(TObject*) {
    Guarded([this] {
        SystemConfig1->Execute();
        if (SystemConfig1->Confirmed())
            SaveNow();
    });
}

void TMainForm::AboutItemClick(TObject*) {
    Guarded([this] { AboutDialog->Execute(); });
}

bool TMainForm::ConfirmQuit() {
    return Guarded([this] {
        YesNoDialog->FormMessage = Tr(GameTexts::QuitQuestion);
        YesNoDialog->YesButtonHint = Tr(GameTexts::QuitYesHint);
        YesNoDialog->NoButtonHint = Tr(GameTexts::QuitNoHint);
        YesNoDialog->CancelButton = ynNo;
        YesNoDialog->DefaultButton = ynYes;
        return YesNoDialog->Execute();
    });
}

void TMainForm::TerminateItemClick(TObject*) {
    if (ConfirmQuit())
        Application().Terminate();
}

void TMainForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = ConfirmQuit();
}

void TMainForm::AutoIniFileIniSaving(TObject*) {
    AutoIniFile->WriteString("Application", "Name", kProgramName);
    AutoIniFile->WriteString("Application", "Version", kVersion);
}

} // namespace orv
