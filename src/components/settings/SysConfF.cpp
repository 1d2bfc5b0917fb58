#include "SysConfF.h"

#include "components/widgets/NScrEdit.h"
#include "framework/Application.h"
#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"

#include "components/windows/WManager.h"

namespace orv {
namespace {

// The hint and cursor values the two "初期設定に戻す" buttons put back,
// which are also what the application and the window manager start with.
constexpr int kDefaultHintPause = 500;
constexpr int kDefaultHintHidePause = 2500;
constexpr int kDefaultCursorMoveStep = 20;
constexpr int kDefaultCursorMaxMoves = 10;

struct StoredEdit {
    const char* name;
    int top;
    const char* itemCaption;
    int itemWidth;
    int scrollBarWidth;
    int min, max, largeChange;
    const char* hint;
};

constexpr StoredEdit kHintPauseEdit{"HintPauseNumScrollEdit",
                                    48,
                                    "表示するまでの時間",
                                    120,
                                    120,
                                    0,
                                    10000,
                                    100,
                                    "バルーンヘルプを表示するまでの待ち時間（ミリ秒）です。"};
constexpr StoredEdit kHintHidePauseEdit{"HintHidePauseNumScrollEdit",
                                        72,
                                        "表示時間",
                                        120,
                                        120,
                                        0,
                                        10000,
                                        100,
                                        "バルーンヘルプを表示している時間（ミリ秒）です。"};
constexpr StoredEdit kCursorMoveStepEdit{"CursorMoveStepNumScrollEdit",
                                         48,
                                         "移動速度",
                                         88,
                                         113,
                                         1,
                                         50,
                                         10,
                                         "自動移動時のカーソルの移動速度(大きいほど高速)です。"};
constexpr StoredEdit kCursorMaxMovesEdit{
    "CursorMaxMovesNumScrollEdit",
    72,
    "最長移動時間",
    88,
    113,
    1,
    100,
    10,
    "自動移動に要する時間の上限.（大きいほど長い）です。これを超える場合は高速移動します。"};

template <typename Control>
Control* Make(TForm& form, TWinControl& parent, const char* name, int left, int top, int width,
              int height) {
    auto* control = new Control(&form);
    control->SetName(name);
    control->SetParent(&parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// Sets a number field's stored properties in their storage order; its width
// comes from its parts when it is loaded.
TNumScrollEdit* MakeEdit(TForm& form, TWinControl& parent, const StoredEdit& stored, int width) {
    auto* edit = Make<TNumScrollEdit>(form, parent, stored.name, 8, stored.top, width, 20);
    edit->SetHint(stored.hint);
    edit->SetNumAreaWidth(40);
    edit->SetScrollBarWidth(stored.scrollBarWidth);
    edit->SetNumFont(form.Font());
    edit->SetLabelFont(form.Font());
    edit->SetItemWidth(stored.itemWidth);
    edit->SetItemCaption(stored.itemCaption);
    edit->SetDecCaption("-");
    edit->SetIncCaption("+");
    edit->SetPosition(stored.min);
    edit->SetMin(stored.min);
    edit->SetMax(stored.max);
    edit->SetLargeChange(stored.largeChange);
    edit->SetSmallChange(1);
    return edit;
}

TGroupBox* MakeGroupBox(TForm& form, TWinControl& parent, const char* name, int width,
                        const char* caption, const char* hint) {
    auto* box = Make<TGroupBox>(form, parent, name, 8, 16, width, 137);
    box->SetCaption(caption);
    box->SetHint(hint);
    return box;
}

TCheckBox* MakeCheckBox(TForm& form, TWinControl& parent, const char* name, int width,
                        const char* caption, const char* hint) {
    auto* box = Make<TCheckBox>(form, parent, name, 12, 24, width, 17);
    box->SetCaption(caption);
    box->SetChecked(true);
    box->SetHint(hint);
    return box;
}

TButton* MakeButton(TForm& form, TWinControl& parent, const char* name, int left, int top,
                    int width, const char* caption, const char* hint) {
    auto* button = Make<TButton>(form, parent, name, left, top, width, 25);
    button->SetCaption(caption);
    button->SetHint(hint);
    return button;
}

constexpr const char* kInitHint = "この枠内の内容をすべて初期設定に戻します。";

} // namespace

TSystemConfigForm::TSystemConfigForm(TComponent* owner) : TForm(owner) {
    SetName("SystemConfigForm");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetCaption("システム設定");
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 433 + kBorderWidth, 314 + kBorderHeight);
    ConfigPageControl = Make<TPageControl>(*this, *this, "ConfigPageControl", 8, 8, 420, 297);
    ConfigPageControl->SetShowHint(true);
    CreateHelpPage();
    CreateMousePage();
    ConfigPageControl->SetActivePage(HelpTabSheet);
    CreateButtons();
    WireHandlers();
    FinishLoading();
}

void TSystemConfigForm::CreateHelpPage() {
    HelpTabSheet = new TTabSheet(this);
    HelpTabSheet->SetName("HelpTabSheet");
    HelpTabSheet->SetCaption("ヘルプ");
    HelpTabSheet->SetPageControl(ConfigPageControl);
    HelpGroupBox =
        MakeGroupBox(*this, *HelpTabSheet, "HelpGroupBox", 337, "バルーンヘルプ",
                     "このメッセージのような簡易ヘルプ（バルーンヘルプ）について設定します。");
    ShowHintCheckBox = MakeCheckBox(*this, *HelpGroupBox, "ShowHintCheckBox", 81, "表示する",
                                    "チェックするとバルーンヘルプを表示します。");
    HintPauseNumScrollEdit = MakeEdit(*this, *HelpGroupBox, kHintPauseEdit, 312);
    HintHidePauseNumScrollEdit = MakeEdit(*this, *HelpGroupBox, kHintHidePauseEdit, 312);
    HelpInitButton = MakeButton(*this, *HelpGroupBox, "HelpInitButton", 200, 104, 105,
                                "初期設定に戻す", kInitHint);
}

void TSystemConfigForm::CreateMousePage() {
    MouseTabSheet = new TTabSheet(this);
    MouseTabSheet->SetName("MouseTabSheet");
    MouseTabSheet->SetCaption("マウス");
    MouseTabSheet->SetPageControl(ConfigPageControl);
    JumpCursorGroupBox =
        MakeGroupBox(*this, *MouseTabSheet, "JumpCursorGroupBox", 297, "マウスカーソルの自動移動",
                     "ウィンドウを開いたり閉じたりした際、マウスカーソルを前回"
                     "位置やボタン上などに自動移動します。");
    JumpCursorCheckBox = MakeCheckBox(*this, *JumpCursorGroupBox, "JumpCursorCheckBox", 105,
                                      "自動移動する", "チェックすると自動移動を行います。");
    CursorMoveStepNumScrollEdit = MakeEdit(*this, *JumpCursorGroupBox, kCursorMoveStepEdit, 273);
    CursorMaxMovesNumScrollEdit = MakeEdit(*this, *JumpCursorGroupBox, kCursorMaxMovesEdit, 273);
    MouseInitButton = MakeButton(*this, *JumpCursorGroupBox, "MouseInitButton", 168, 104, 105,
                                 "初期設定に戻す", kInitHint);
}

void TSystemConfigForm::CreateButtons() {
    SetButton = MakeButton(*this, *this, "SetButton", 248, 272, 75, "決定(&S)",
                           "今回の設定変更を有効にします。");
    SetButton->SetModalResult(mrOk);
    CancelButton = MakeButton(*this, *this, "CancelButton", 336, 272, 75, "取消(&C)",
                              "今回の変更内容を取り消します。");
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
}

void TSystemConfigForm::WireHandlers() {
    ShowHintCheckBox->OnClick = [this](TObject* s) { ShowHintCheckBoxClick(s); };
    HintPauseNumScrollEdit->OnChange = [this](TObject* s) { HintPauseNumScrollEditChange(s); };
    HintHidePauseNumScrollEdit->OnChange = [this](TObject* s) {
        HintHidePauseNumScrollEditChange(s);
    };
    HelpInitButton->OnClick = [this](TObject* s) { HelpInitButtonClick(s); };
    JumpCursorCheckBox->OnClick = [this](TObject* s) { JumpCursorCheckBoxClick(s); };
    CursorMoveStepNumScrollEdit->OnChange = [this](TObject* s) {
        CursorMoveStepNumScrollEditChange(s);
    };
    CursorMaxMovesNumScrollEdit->OnChange = [this](TObject* s) {
        CursorMaxMovesNumScrollEditChange(s);
    };
    MouseInitButton->OnClick = [this](TObject* s) { MouseInitButtonClick(s); };
    CancelButton->OnClick = [this](TObject* s) { CancelButtonClick(s); };
}

void TSystemConfigForm::Loaded() {
    TForm::Loaded();
    ConfigPageControl->SetBounds(8, 8, ClientWidth() - 16, ClientHeight() - 16);
}

void TSystemConfigForm::SetSettings(const SystemConfigSettings& settings,
                                    TWindowManager* windowManager) {
    settings_ = settings;
    windowManager_ = windowManager;
    ApplySettingsToControls();
}

// Each step that changes a control runs its handler, which puts the value
// into the live settings.
void TSystemConfigForm::ApplySettingsToControls() {
    ShowHintCheckBox->SetChecked(settings_.ShowHint);
    ShowHintCheckBoxClick(ShowHintCheckBox);
    HintPauseNumScrollEdit->SetPosition(settings_.HintPause);
    HintHidePauseNumScrollEdit->SetPosition(settings_.HintHidePause);
    JumpCursorCheckBox->SetChecked(settings_.JumpCursor);
    JumpCursorCheckBoxClick(JumpCursorCheckBox);
    CursorMoveStepNumScrollEdit->SetPosition(settings_.CursorMoveStep);
    CursorMaxMovesNumScrollEdit->SetPosition(settings_.CursorMaxMoves);
}

void TSystemConfigForm::ShowHintCheckBoxClick(TObject*) {
    const bool on = ShowHintCheckBox->Checked();
    Application().SetShowHint(on);
    HintPauseNumScrollEdit->SetEnabled(on);
    HintHidePauseNumScrollEdit->SetEnabled(on);
}

void TSystemConfigForm::HintPauseNumScrollEditChange(TObject*) {
    Application().SetHintPause(HintPauseNumScrollEdit->Position());
}

void TSystemConfigForm::HintHidePauseNumScrollEditChange(TObject*) {
    Application().SetHintHidePause(HintHidePauseNumScrollEdit->Position());
}

void TSystemConfigForm::HelpInitButtonClick(TObject*) {
    Application().SetShowHint(true);
    ShowHintCheckBox->SetChecked(true);
    Application().SetHintPause(kDefaultHintPause);
    HintPauseNumScrollEdit->SetPosition(kDefaultHintPause);
    Application().SetHintHidePause(kDefaultHintHidePause);
    HintHidePauseNumScrollEdit->SetPosition(kDefaultHintHidePause);
}

void TSystemConfigForm::JumpCursorCheckBoxClick(TObject*) {
    if (!windowManager_)
        return;
    const bool on = JumpCursorCheckBox->Checked();
    windowManager_->JumpCursor = on;
    CursorMoveStepNumScrollEdit->SetEnabled(on);
    CursorMaxMovesNumScrollEdit->SetEnabled(on);
}

void TSystemConfigForm::CursorMoveStepNumScrollEditChange(TObject*) {
    if (windowManager_)
        windowManager_->CursorMoveStep = CursorMoveStepNumScrollEdit->Position();
}

void TSystemConfigForm::CursorMaxMovesNumScrollEditChange(TObject*) {
    if (windowManager_)
        windowManager_->CursorMaxMoves = CursorMaxMovesNumScrollEdit->Position();
}

void TSystemConfigForm::MouseInitButtonClick(TObject*) {
    if (windowManager_)
        windowManager_->JumpCursor = true;
    JumpCursorCheckBox->SetChecked(true);
    if (windowManager_)
        windowManager_->CursorMoveStep = kDefaultCursorMoveStep;
    CursorMoveStepNumScrollEdit->SetPosition(kDefaultCursorMoveStep);
    if (windowManager_)
        windowManager_->CursorMaxMoves = kDefaultCursorMaxMoves;
    CursorMaxMovesNumScrollEdit->SetPosition(kDefaultCursorMaxMoves);
}

void TSystemConfigForm::CancelButtonClick(TObject*) {
    ApplySettingsToControls();
}

} // namespace orv
