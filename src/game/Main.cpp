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
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Creation.h"
#include "framework/Exceptions.h"
#include "framework/Keys.h"
#include "framework/Menus.h"
#include "framework/Picture.h"
#include "framework/Resources.h"
#include "framework/StdCtrls.h"

namespace orv {
namespace {

constexpr TColor kStoredZeoGreen = RGB(0, 128, 0);

struct StoredLabel {
    TLabel* TMainForm::*field;
    const char* name;
    TBounds bounds;
    const char* caption;
    TColor color;
};

// The labels in creation order, with their stored places and texts.
constexpr StoredLabel kLabelsBeforeBoxes[] = {
    {&TMainForm::ScoreLabel, "ScoreLabel", {420, 256, 181, 24}, "000000", clWhite},
    {&TMainForm::HiScoreLabel, "HiScoreLabel", {420, 192, 181, 24}, "000000", clWhite},
    {&TMainForm::HiScoreCaptionLabel,
     "HiScoreCaptionLabel",
     {420, 160, 181, 24},
     "HIGH SCORE",
     clWhite},
    {&TMainForm::ScoreCaptionLabel, "ScoreCaptionLabel", {420, 224, 181, 24}, "SCORE", clWhite},
    {&TMainForm::LeftCaptionLabel, "LeftCaptionLabel", {420, 352, 181, 24}, "LEFT", clWhite},
    {&TMainForm::LevelCaptionLabel, "LevelCaptionLabel", {423, 288, 181, 24}, "LEVEL", clWhite},
    {&TMainForm::LevelLabel, "LevelLabel", {423, 320, 181, 24}, "000", clWhite},
};
constexpr StoredLabel kZeoLabels[] = {
    {&TMainForm::Zeo1Label, "Zeo1Label", {423, 96, 181, 24}, "STUDIO ZEO", kStoredZeoGreen},
    {&TMainForm::Zeo2Label, "Zeo2Label", {423, 120, 181, 24}, "PRESENTS", kStoredZeoGreen},
};

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

struct StoredImageBox {
    TBounds bounds;
    bool autoSizeOnBitmapChange;
    int interval;
};

struct StoredPlayer {
    TWavePlayer* TMainForm::*field;
    const char* name;
    const char* resource;
    TText title;
};
constexpr StoredPlayer kPlayers[] = {
    {&TMainForm::MyExplodeWavePlayer, "MyExplodeWavePlayer", "SND_MYSHIP_EXPLODE",
     GameTexts::ShipExplosionSound},
    {&TMainForm::EnemyExplodeWavePlayer, "EnemyExplodeWavePlayer", "SND_ENEMY_EXPLODE",
     GameTexts::EnemyExplosionSound},
    {&TMainForm::LaserWavePlayer, "LaserWavePlayer", "SND_LASER", GameTexts::LaserSound},
};

// A label's stored properties after its bounds.
void SetStoredProperties(TLabel& label, const StoredLabel& stored) {
    label.SetAutoSize(false);
    label.SetAlignment(TAlignment::taCenter);
    label.SetTransparent(true);
    TFont font = label.Font();
    font.SetName("Small Fonts");
    font.SetColor(stored.color);
    label.SetFont(font);
    label.SetCaption(stored.caption);
}

// An image box's stored properties after its bounds, in their storage order.
void SetStoredProperties(TImageBox& box, const StoredImageBox& stored,
                         const TBitmap* picture = nullptr) {
    box.BitmapAssigned = picture != nullptr;
    box.SetAutoSize(true);
    box.SetAutoSizeOnBitmapChange(stored.autoSizeOnBitmapChange);
    if (picture)
        box.SetBitmap(picture);
    box.SetBitmapWidth(stored.bounds.Width);
    box.SetBitmapHeight(stored.bounds.Height);
    box.SetXOffset(0);
    box.SetYOffset(0);
    box.SetBitmapNum(1);
    box.SetTimerEnabled(false);
    box.Animate = false;
    box.SetInterval(stored.interval);
    box.SetResolution(100);
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    SetName("MainForm");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetCaption(kProgramName);
    SetBounds(237, 249, 604 + kBorderWidth, 424 + kBorderHeight);
    TFont font = Font();
    font.SetName("ＭＳ Ｐゴシック");
    font.SetHeight(-12);
    SetFont(font);
    CreateLabels();
    CreateImageBoxes();
    CreateMenu();
    CreateDialogs();
    CreateNonVisual();
    WireHandlers();
    FinishLoading();
}

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

void TMainForm::CreateLabels() {
    for (const StoredLabel& stored : kLabelsBeforeBoxes) {
        this->*stored.field = CreateControl<TLabel>(*this, *this, stored.name, stored.bounds);
        SetStoredProperties(*(this->*stored.field), stored);
    }
}

void TMainForm::CreateImageBoxes() {
    TBitmap title;
    title.LoadFromFile(ResourcePath(TResourceType::rtForm, "MainForm.TitleImageBox"));
    const StoredImageBox titleBox{{420, 8, 180, 80}, true, 100};
    TitleImageBox = CreateControl<TImageBox>(*this, *this, "TitleImageBox", titleBox.bounds);
    SetStoredProperties(*TitleImageBox, titleBox, &title);
    const StoredImageBox leftBox{{440, 384, 144, 16}, false, 100};
    LeftImageBox = CreateControl<TImageBox>(*this, *this, "LeftImageBox", leftBox.bounds);
    SetStoredProperties(*LeftImageBox, leftBox);
    for (const StoredLabel& stored : kZeoLabels) {
        this->*stored.field = CreateControl<TLabel>(*this, *this, stored.name, stored.bounds);
        SetStoredProperties(*(this->*stored.field), stored);
    }
    const StoredImageBox box1{{416, 384, 1, 1}, true, 100};
    ImageBox1 = CreateControl<TImageBox>(*this, *this, "ImageBox1", box1.bounds);
    SetStoredProperties(*ImageBox1, box1);
    GameFrame = CreateControl<TTezFrame>(*this, *this, "GameFrame", {0, 0, 416, 422});
    GameFrame->SetTitle(kProgramName);
    GameFrame->SetClientWidth(400);
    GameFrame->SetClientHeight(400);
    const StoredImageBox gameBox{{8, 14, 400, 400}, false, 1000};
    GameImageBox = CreateControl<TImageBox>(*this, *GameFrame, "GameImageBox", gameBox.bounds);
    SetStoredProperties(*GameImageBox, gameBox);
}

void TMainForm::CreateMenu() {
    CreateMainMenu(*this);
    SetMenuShortCuts(*this, keyBindings_);
}

void TMainForm::CreateDialogs() {
    YesNoDialog = CreateComponent<TYesNoDialog>(*this, "YesNoDialog");
    YesNoDialog->FormLeft = 200;
    YesNoDialog->FormTop = 200;
    YesNoDialog->PositionEnabled = false;
    AboutDialog = CreateComponent<TAboutDialog>(*this, "AboutDialog");
    AboutDialog->BeepEnabled = false;
    AboutDialog->ButtonShowHint = true;
    AboutDialog->BeepType = btInformation;
    AboutDialog->FormLeft = 200;
    AboutDialog->FormTop = 0;
    AboutDialog->FormWidth = 240;
    AboutDialog->FormCaption = ComponentTexts::AboutCaption;
    AboutDialog->ButtonWidth = 56;
    AboutDialog->PositionEnabled = false;
    AboutDialog->FormCentering = false;
    AboutDialog->OkButtonCaption = Tr(ComponentTexts::AboutOk);
    AboutDialog->OkButtonHint = Tr(ComponentTexts::AboutOkHint);
    AboutDialog->Name1Caption = GameTexts::kAboutKind;
    AboutDialog->Name2Caption = kProgramName;
    AboutDialog->Name3Caption = "";
    AboutDialog->VersionCaption = TAboutDialog::kDefaultVersion;
    AboutDialog->MakerCaption = TAboutDialog::kDefaultMaker;
    AboutDialog->YearCaption = GameTexts::kAboutYear;
}

void TMainForm::CreateNonVisual() {
    AutoIniFile = CreateComponent<TAutoIniFile>(*this, "AutoIniFile");
    AutoIniFile->SetIniName("");
    AutoIniFile->SetBakName("");
    AutoIniFile->SetOrgName("ORIGINAL");
    AutoIniFile->SetComment(kProgramName);
    AutoIniFile->SetWriteEnabled(true);
    AnimateForm1 = CreateComponent<TAnimateForm>(*this, "AnimateForm1");
    WindowManager = CreateComponent<TWindowManager>(*this, "WindowManager");
    WindowManager->SetEntryMax(17);
    WindowManager->SetHashSize(17);
    WindowManager->JumpCursor = true;
    WindowManager->Enabled = true;
    WindowManager->CursorMoveStep = TWindowManager::kDefaultCursorMoveStep;
    WindowManager->CursorMaxMoves = TWindowManager::kDefaultCursorMaxMoves;
    WindowManager->SaveProperties = true;
    // After the window manager, which it finds among the components so far.
    SystemConfig1 = CreateComponent<TSystemConfig>(*this, "SystemConfig1");
    for (const StoredPlayer& stored : kPlayers) {
        TWavePlayer* player = CreateComponent<TWavePlayer>(*this, stored.name);
        player->SetEnabled(true);
        player->Sync = false;
        player->SetResourceName(stored.resource);
        player->Title = Tr(stored.title);
        this->*stored.field = player;
    }
}

void TMainForm::WireHandlers() {
    using Form = TMainForm;
    OnKeyDown = Bind(&Form::FormKeyDown, this);
    OnKeyUp = Bind(&Form::FormKeyUp, this);
    StartItem->OnClick = Bind(&Form::StartItemClick, this);
    PauseItem->OnClick = Bind(&Form::PauseItemClick, this);
    FastSpeedItem->OnClick = Bind(&Form::FastSpeedItemClick, this);
    NormalSpeedItem->OnClick = Bind(&Form::NormalSpeedItemClick, this);
    SlowSpeedItem->OnClick = Bind(&Form::SlowSpeedItemClick, this);
    ManualItem->OnClick = Bind(&Form::ManualItemClick, this);
    TitleItem->OnClick = Bind(&Form::TitleItemClick, this);
    ClearHiScoreItem->OnClick = Bind(&Form::ClearHiScoreItemClick, this);
    GameConfigItem->OnClick = Bind(&Form::GameConfigItemClick, this);
    SysConfigItem->OnClick = Bind(&Form::SysConfigItemClick, this);
    AboutItem->OnClick = Bind(&Form::AboutItemClick, this);
    TerminateItem->OnClick = Bind(&Form::TerminateItemClick, this);
    OnCloseQuery = Bind(&Form::FormCloseQuery, this);
    AutoIniFile->OnIniLoaded = Bind(&Form::AutoIniFileIniLoaded, this);
    AutoIniFile->OnIniSaving = Bind(&Form::AutoIniFileIniSaving, this);
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
