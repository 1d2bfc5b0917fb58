// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main form's construction: its components in their stored order, with
// their stored properties.

#include "Main.h"

#include "GameTexts.h"
#include "MainMenu.h"
#include "UGame.h"
#include "components/ComponentTexts.h"
#include "components/dialogs/ZeoDialog.h"
#include "components/media/ImageBox.h"
#include "components/media/TezFrame.h"
#include "components/media/WavePlay.h"
#include "components/settings/AutoIni.h"
#include "components/settings/SysConf.h"
#include "components/windows/SysCtrls.h"
#include "components/windows/WManager.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Label.h"
#include "framework/controls/Menus.h"
#include "framework/drawing/Bitmap.h"
#include "framework/files/Resources.h"

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

} // namespace orv
