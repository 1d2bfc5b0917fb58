#include "Main.h"

#include "Commands.h"
#include "GameTexts.h"
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
#include "framework/Exceptions.h"
#include "framework/Keys.h"
#include "framework/Menus.h"
#include "framework/Picture.h"
#include "framework/Resources.h"
#include "framework/StdCtrls.h"

namespace orv {
namespace {

constexpr TColor kStoredZeoGreen = RGB(0, 128, 0);
constexpr int kSpeedGroup = 10;

struct Bounds {
    int left, top, width, height;
};

struct StoredLabel {
    TLabel* TMainForm::*field;
    const char* name;
    Bounds bounds;
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

// The keys the window handles itself (Space and Esc are menu shortcuts);
// the shift state does not matter.
struct KeyCommand {
    int key;
    TGameCommand down;
    TGameCommand up;
};
constexpr KeyCommand kKeyCommands[] = {
    {'Z', gcFireOn, gcFireOff}, {VK_OEM_PERIOD, gcFireOn, gcFireOff},
    {'X', gcTurn, gcNone},      {VK_OEM_COMMA, gcTurn, gcNone},
    {'G', gcGiveUp, gcNone},
};

const KeyCommand* FindKeyCommand(int key) {
    for (const KeyCommand& entry : kKeyCommands)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

// A game controller plays like the keys: Start is Space and Esc in one.
struct ButtonCommand {
    TControllerButton button;
    TGameCommand down;
    TGameCommand up;
};
constexpr ButtonCommand kButtonCommands[] = {
    {cbSouth, gcFireOn, gcFireOff}, {cbRightTrigger, gcFireOn, gcFireOff},
    {cbEast, gcTurn, gcNone},       {cbStart, gcStartPauseResume, gcNone},
    {cbBack, gcGiveUp, gcNone},
};

// The speed menu's items and their tick periods in milliseconds.
struct SpeedChoice {
    TMenuItem* TMainForm::*item;
    int milliseconds;
};
constexpr SpeedChoice kSpeeds[] = {
    {&TMainForm::FastSpeedItem, 125},
    {&TMainForm::NormalSpeedItem, 200},
    {&TMainForm::SlowSpeedItem, 400},
};
enum : std::size_t { kFast, kNormal, kSlow };

struct StoredImageBox {
    Bounds bounds;
    bool autoSizeOnBitmapChange;
    int interval;
};

TLabel* MakeLabel(TMainForm& form, const StoredLabel& stored) {
    auto* label = new TLabel(&form);
    label->SetName(stored.name);
    label->SetParent(&form);
    label->SetAutoSize(false);
    const Bounds& b = stored.bounds;
    label->SetBounds(b.left, b.top, b.width, b.height);
    label->SetAlignment(TAlignment::taCenter);
    label->SetTransparent(true);
    TFont font = label->Font();
    font.SetName("Small Fonts");
    font.SetColor(stored.color);
    label->SetFont(font);
    label->SetCaption(stored.caption);
    return label;
}

// Applies an image box's stored properties in their storage order.
TImageBox* MakeImageBox(TComponent& owner, TWinControl& parent, const char* name,
                        const StoredImageBox& stored, const TBitmap* picture = nullptr) {
    auto* box = new TImageBox(&owner);
    box->SetName(name);
    box->SetParent(&parent);
    const Bounds& b = stored.bounds;
    box->SetBounds(b.left, b.top, b.width, b.height);
    box->BitmapAssigned = picture != nullptr;
    box->SetAutoSize(true);
    box->SetAutoSizeOnBitmapChange(stored.autoSizeOnBitmapChange);
    if (picture)
        box->SetBitmap(picture);
    box->SetBitmapWidth(b.width);
    box->SetBitmapHeight(b.height);
    box->SetXOffset(0);
    box->SetYOffset(0);
    box->SetBitmapNum(1);
    box->SetTimerEnabled(false);
    box->Animate = false;
    box->SetInterval(stored.interval);
    box->SetResolution(100);
    return box;
}

TMenuItem* MakeItem(TMainForm& form, const char* name, const TText& caption, int shortCut = 0) {
    auto* item = new TMenuItem(&form);
    item->SetName(name);
    item->SetCaption(Tr(caption));
    if (shortCut)
        item->SetShortCut(shortCut);
    return item;
}

TWavePlayer* MakePlayer(TMainForm& form, const char* name, const char* resource) {
    auto* player = new TWavePlayer(&form);
    player->SetName(name);
    player->SetEnabled(true);
    player->Sync = false;
    player->SetResourceName(resource);
    return player;
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
    if (Game) {
        AutoIniFile->WriteInteger("Game", "HiScore", Game->HiScore());
        Game->SaveSettings(*AutoIniFile);
    }
    game_.reset();
    Game = nullptr;
}

void TMainForm::CreateLabels() {
    for (const StoredLabel& stored : kLabelsBeforeBoxes)
        this->*stored.field = MakeLabel(*this, stored);
}

void TMainForm::CreateImageBoxes() {
    TBitmap title;
    title.LoadFromFile(ResourcePath(TResourceType::rtForm, "MainForm.TitleImageBox"));
    TitleImageBox =
        MakeImageBox(*this, *this, "TitleImageBox", {{420, 8, 180, 80}, true, 100}, &title);
    LeftImageBox = MakeImageBox(*this, *this, "LeftImageBox", {{440, 384, 144, 16}, false, 100});
    for (const StoredLabel& stored : kZeoLabels)
        this->*stored.field = MakeLabel(*this, stored);
    ImageBox1 = MakeImageBox(*this, *this, "ImageBox1", {{416, 384, 1, 1}, true, 100});
    GameFrame = new TTezFrame(this);
    GameFrame->SetName("GameFrame");
    GameFrame->SetParent(this);
    GameFrame->SetBounds(0, 0, 416, 422);
    GameFrame->SetTitle(kProgramName);
    GameFrame->SetClientWidth(400);
    GameFrame->SetClientHeight(400);
    GameImageBox =
        MakeImageBox(*this, *GameFrame, "GameImageBox", {{8, 14, 400, 400}, false, 1000});
}

void TMainForm::CreateMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    StartItem = MakeItem(*this, "StartItem", GameTexts::StartItem, VK_SPACE);
    PauseItem = MakeItem(*this, "PauseItem", GameTexts::PauseItem, VK_ESCAPE);
    SpeedItem = MakeItem(*this, "SpeedItem", GameTexts::SpeedItem);
    FastSpeedItem = MakeItem(*this, "FastSpeedItem", GameTexts::FastSpeedItem);
    NormalSpeedItem = MakeItem(*this, "NormalSpeedItem", GameTexts::NormalSpeedItem);
    SlowSpeedItem = MakeItem(*this, "SlowSpeedItem", GameTexts::SlowSpeedItem);
    ConfigItem = MakeItem(*this, "ConfigItem", GameTexts::ConfigItem);
    ClearHiScoreItem = MakeItem(*this, "ClearHiScoreItem", GameTexts::ClearHiScoreItem);
    N1 = MakeItem(*this, "N1", TText{"", "-"});
    GameConfigItem = MakeItem(*this, "GameConfigItem", GameTexts::GameConfigItem);
    SysConfigItem = MakeItem(*this, "SysConfigItem", GameTexts::SysConfigItem);
    InfoItem = MakeItem(*this, "InfoItem", GameTexts::InfoItem);
    AboutItem = MakeItem(*this, "AboutItem", GameTexts::AboutItem);
    ManualItem = MakeItem(*this, "ManualItem", GameTexts::ManualItem, VK_F1);
    QuitItem = MakeItem(*this, "QuitItem", GameTexts::QuitItem);
    TitleItem = MakeItem(*this, "TitleItem", GameTexts::TitleItem, ShortCut('T', ssCtrl));
    TerminateItem =
        MakeItem(*this, "TerminateItem", GameTexts::TerminateItem, ShortCut('Q', ssCtrl));
    for (TMenuItem* speed : {FastSpeedItem, NormalSpeedItem, SlowSpeedItem}) {
        speed->SetRadioItem(true);
        speed->SetGroupIndex(kSpeedGroup);
        SpeedItem->Add(speed);
    }
    NormalSpeedItem->SetChecked(true);
    for (TMenuItem* item : {ClearHiScoreItem, N1, GameConfigItem, SysConfigItem})
        ConfigItem->Add(item);
    InfoItem->Add(AboutItem);
    InfoItem->Add(ManualItem);
    QuitItem->Add(TitleItem);
    QuitItem->Add(TerminateItem);
    for (TMenuItem* item : {StartItem, PauseItem, SpeedItem, ConfigItem, InfoItem, QuitItem})
        MainMenu1->Add(item);
    SetMenu(MainMenu1);
}

void TMainForm::CreateDialogs() {
    YesNoDialog = new TYesNoDialog(this);
    YesNoDialog->SetName("YesNoDialog");
    YesNoDialog->FormLeft = 200;
    YesNoDialog->FormTop = 200;
    YesNoDialog->PositionEnabled = false;
    AboutDialog = new TAboutDialog(this);
    AboutDialog->SetName("AboutDialog");
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
    AboutDialog->Name1Caption = "- Shooting Game -";
    AboutDialog->Name2Caption = kProgramName;
    AboutDialog->Name3Caption = "";
    AboutDialog->VersionCaption = "Ver1.00";
    AboutDialog->MakerCaption = "STUDIO ZEO PRESENTS";
    AboutDialog->YearCaption = "(C) 2026 STUDIO ZEO";
}

void TMainForm::CreateNonVisual() {
    AutoIniFile = new TAutoIniFile(this);
    AutoIniFile->SetName("AutoIniFile");
    AutoIniFile->SetIniName("");
    AutoIniFile->SetBakName("");
    AutoIniFile->SetOrgName("ORIGINAL");
    AutoIniFile->SetComment(kProgramName);
    AutoIniFile->SetWriteEnabled(true);
    AnimateForm1 = new TAnimateForm(this);
    AnimateForm1->SetName("AnimateForm1");
    WindowManager = new TWindowManager(this);
    WindowManager->SetName("WindowManager");
    WindowManager->SetEntryMax(17);
    WindowManager->SetHashSize(17);
    WindowManager->JumpCursor = true;
    WindowManager->Enabled = true;
    WindowManager->CursorMoveStep = 20;
    WindowManager->CursorMaxMoves = 10;
    WindowManager->SaveProperties = true;
    // After the window manager, which it finds among the components so far.
    SystemConfig1 = new TSystemConfig(this);
    SystemConfig1->SetName("SystemConfig1");
    MyExplodeWavePlayer = MakePlayer(*this, "MyExplodeWavePlayer", "SND_MYSHIP_EXPLODE");
    EnemyExplodeWavePlayer = MakePlayer(*this, "EnemyExplodeWavePlayer", "SND_ENEMY_EXPLODE");
    LaserWavePlayer = MakePlayer(*this, "LaserWavePlayer", "SND_LASER");
}

void TMainForm::WireHandlers() {
    OnKeyDown = [this](TObject* s, int& key, unsigned shift) { FormKeyDown(s, key, shift); };
    OnKeyUp = [this](TObject* s, int& key, unsigned shift) { FormKeyUp(s, key, shift); };
    StartItem->OnClick = [this](TObject* s) { StartItemClick(s); };
    PauseItem->OnClick = [this](TObject* s) { PauseItemClick(s); };
    FastSpeedItem->OnClick = [this](TObject* s) { FastSpeedItemClick(s); };
    NormalSpeedItem->OnClick = [this](TObject* s) { NormalSpeedItemClick(s); };
    SlowSpeedItem->OnClick = [this](TObject* s) { SlowSpeedItemClick(s); };
    ManualItem->OnClick = [this](TObject* s) { ManualItemClick(s); };
    TitleItem->OnClick = [this](TObject* s) { TitleItemClick(s); };
    ClearHiScoreItem->OnClick = [this](TObject* s) { ClearHiScoreItemClick(s); };
    GameConfigItem->OnClick = [this](TObject* s) { GameConfigItemClick(s); };
    SysConfigItem->OnClick = [this](TObject* s) { SysConfigItemClick(s); };
    AboutItem->OnClick = [this](TObject* s) { AboutItemClick(s); };
    TerminateItem->OnClick = [this](TObject* s) { TerminateItemClick(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
    AutoIniFile->OnIniLoaded = [this](TObject* s) { AutoIniFileIniLoaded(s); };
    AutoIniFile->OnIniSaving = [this](TObject* s) { AutoIniFileIniSaving(s); };
}

void TMainForm::Loaded() {
    TForm::Loaded();
    SetColor(clBlack);
    TPicture logo;
    logo.LoadIcon("ZEOICON");
    AboutDialog->SetMakerPicture(logo);
    AboutDialog->VersionCaption = std::string("Ver") + kVersion;
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
    for (const ButtonCommand& entry : kButtonCommands)
        if (entry.button == button)
            RunGameCommand(down ? entry.down : entry.up);
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

void TMainForm::FormKeyDown(TObject*, int& key, unsigned) {
    if (const KeyCommand* entry = FindKeyCommand(key))
        RunGameCommand(entry->down);
}

void TMainForm::FormKeyUp(TObject*, int& key, unsigned) {
    if (const KeyCommand* entry = FindKeyCommand(key))
        RunGameCommand(entry->up);
}

void TMainForm::StartItemClick(TObject*) {
    RunGameCommand(gcStart);
}

void TMainForm::PauseItemClick(TObject*) {
    RunGameCommand(gcPauseResume);
}

void TMainForm::FastSpeedItemClick(TObject*) {
    ChooseSpeed(kFast);
}

void TMainForm::NormalSpeedItemClick(TObject*) {
    ChooseSpeed(kNormal);
}

void TMainForm::SlowSpeedItemClick(TObject*) {
    ChooseSpeed(kSlow);
}

void TMainForm::ChooseSpeed(std::size_t choice) {
    (this->*kSpeeds[choice].item)->SetChecked(true);
    Game->SetSpeed(kSpeeds[choice].milliseconds);
}

void TMainForm::TitleItemClick(TObject*) {
    Game->ToTitle();
}

void TMainForm::AutoIniFileIniLoaded(TObject*) {
    const std::string name = AutoIniFile->ReadString("Application", "Name", kProgramName);
    if (name != kProgramName) {
        Application().MessageBox(Tr(GameTexts::WrongIniFile), Application().Title(), MB_OK);
        Application().Terminate();
    }
    RepairInteger("Game", "HiScore", 0);
    Game->SetHiScore(AutoIniFile->ReadInteger("Game", "HiScore", 0));
    RepairInteger("Game", "Speed", 200, 1);
    Game->LoadSettings(*AutoIniFile);
    CheckSpeedItem(Game->GetSpeed());
}

void TMainForm::RepairInteger(const std::string& section, const std::string& key, int def,
                              int minimum) {
    std::string problem;
    try {
        if (AutoIniFile->ReadInteger(section, key, def) < minimum)
            problem =
                Format(GameTexts::ValueTooSmall,
                       {key, AutoIniFile->ReadString(section, key, ""), std::to_string(minimum)});
    } catch (const EConvertError& error) {
        problem = error.what();
    }
    if (problem.empty())
        return;
    Application().MessageBox(problem, Application().Title(), MB_OK | MB_ICONWARNING);
    AutoIniFile->WriteInteger(section, key, def);
}

void TMainForm::CheckSpeedItem(int speed) {
    // Another period leaves the check where it is.
    for (const SpeedChoice& choice : kSpeeds)
        if (choice.milliseconds == speed)
            (this->*choice.item)->SetChecked(true);
}

template <typename Dialog> auto TMainForm::Guarded(Dialog dialog) {
    RunGameCommand(gcFireOff);
    const bool wasPlaying = Game->State() == gsPlaying;
    if (wasPlaying)
        Game->Pause();
    // Resumes also when the dialog fails.
    struct Resume {
        bool playing;
        int& dialogs;
        ~Resume() {
            --dialogs;
            if (playing && Game)
                Game->Resume();
        }
    } resume{wasPlaying, ++dialogs_};
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
        YesNoDialog->CancelButton = YnNo;
        YesNoDialog->DefaultButton = YnNo;
        if (YesNoDialog->Execute())
            Game->SetHiScore(0);
    });
}

void TMainForm::GameConfigItemClick(TObject*) {
    Guarded([] {
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
        if (form->ShowModal() == mrOk)
            Game->SetSound(form->SoundCheckBox->Checked(), form->LaserSoundCheckBox->Checked());
    });
}

void TMainForm::SysConfigItemClick(TObject*) {
    Guarded([this] { SystemConfig1->Execute(); });
}

void TMainForm::AboutItemClick(TObject*) {
    Guarded([this] { AboutDialog->Execute(); });
}

bool TMainForm::ConfirmQuit() {
    return Guarded([this] {
        YesNoDialog->FormMessage = Tr(GameTexts::QuitQuestion);
        YesNoDialog->YesButtonHint = Tr(GameTexts::QuitYesHint);
        YesNoDialog->NoButtonHint = Tr(GameTexts::QuitNoHint);
        YesNoDialog->CancelButton = YnNo;
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
