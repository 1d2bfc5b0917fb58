// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SysConf.h"
#include "framework/controls/Forms.h"

namespace orv {

class TButton;
class TCheckBox;
class TGroupBox;
class TNumScrollEdit;
class TPageControl;
class TTabSheet;

// The system settings dialog: one page for the application's balloon hints,
// one for the window manager's cursor movement. Every change takes effect at
// once; Cancel puts back the values the form was opened with. Without a
// window manager the mouse page changes nothing but its own controls.
class TSystemConfigForm : public TForm {
public:
    explicit TSystemConfigForm(TComponent* owner);

    void Loaded() override;
    void SetSettings(const SystemConfigSettings& settings, TWindowManager* windowManager);
    void ApplySettingsToControls();

    void ShowHintCheckBoxClick(TObject* sender);
    void HintPauseNumScrollEditChange(TObject* sender);
    void HintHidePauseNumScrollEditChange(TObject* sender);
    void HelpInitButtonClick(TObject* sender);
    void JumpCursorCheckBoxClick(TObject* sender);
    void CursorMoveStepNumScrollEditChange(TObject* sender);
    void CursorMaxMovesNumScrollEditChange(TObject* sender);
    void MouseInitButtonClick(TObject* sender);
    void CancelButtonClick(TObject* sender);

    TPageControl* ConfigPageControl = nullptr;
    TTabSheet* HelpTabSheet = nullptr;
    TGroupBox* HelpGroupBox = nullptr;
    TCheckBox* ShowHintCheckBox = nullptr;
    TNumScrollEdit* HintPauseNumScrollEdit = nullptr;
    TNumScrollEdit* HintHidePauseNumScrollEdit = nullptr;
    TButton* HelpInitButton = nullptr;
    TTabSheet* MouseTabSheet = nullptr;
    TGroupBox* JumpCursorGroupBox = nullptr;
    TCheckBox* JumpCursorCheckBox = nullptr;
    TNumScrollEdit* CursorMoveStepNumScrollEdit = nullptr;
    TNumScrollEdit* CursorMaxMovesNumScrollEdit = nullptr;
    TButton* MouseInitButton = nullptr;
    TButton* SetButton = nullptr;
    TButton* CancelButton = nullptr;

private:
    void CreateHelpPage();
    void CreateMousePage();
    void CreateButtons();
    void WireHandlers();

    TWindowManager* windowManager_ = nullptr;
    SystemConfigSettings settings_;
};

} // namespace orv
