// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Forms.h"

namespace orv {

class TButton;
class TCheckBox;
class TGroupBox;
class TPageControl;
class TTabSheet;

// The game's sound settings. It changes nothing by itself: its user fills the
// two boxes, shows it, and takes their states back only after OK.
class TGameConfigForm : public TForm {
public:
    explicit TGameConfigForm(TComponent* owner);

    void Loaded() override;
    // The laser box is usable only while effect sounds are on; it keeps its
    // own check either way.
    void SoundCheckBoxClick(TObject* sender);

    TPageControl* GamePageControl = nullptr;
    TTabSheet* SoundTabSheet = nullptr;
    TButton* SetButton = nullptr;
    TButton* CancelButton = nullptr;
    TGroupBox* EffectSoundGroupBox = nullptr;
    TCheckBox* SoundCheckBox = nullptr;
    TCheckBox* LaserSoundCheckBox = nullptr;
};

} // namespace orv
