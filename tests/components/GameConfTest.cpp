// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/settings/GameConf.h"
#include "components/ComponentTexts.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/ComCtrls.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(GameConfigForm, LaysOutItsPagesAtLoad) {
    TGameConfigForm form(nullptr);
    EXPECT_EQ(form.Caption(), ComponentTexts::GameConfigCaption.Source);
    EXPECT_EQ(form.ClientWidth(), 353);
    EXPECT_EQ(form.ClientHeight(), 231);
    EXPECT_EQ(form.GamePageControl->Left(), 8);
    EXPECT_EQ(form.GamePageControl->Width(), 337);
    EXPECT_EQ(form.GamePageControl->Height(), 215);
    EXPECT_EQ(form.GamePageControl->ActivePage(), form.SoundTabSheet);
    EXPECT_EQ(form.SetButton->ModalResult(), mrOk);
    EXPECT_EQ(form.CancelButton->ModalResult(), mrCancel);
    EXPECT_TRUE(form.CancelButton->Cancel());
    EXPECT_FALSE(form.SoundCheckBox->Checked());
    EXPECT_FALSE(form.LaserSoundCheckBox->Checked());
}

TEST(GameConfigForm, LaserBoxFollowsTheSoundBoxButKeepsItsOwnCheck) {
    TGameConfigForm form(nullptr);
    form.LaserSoundCheckBox->SetChecked(true);
    form.LaserSoundCheckBox->SetEnabled(false);
    form.SoundCheckBox->SetChecked(true);
    EXPECT_TRUE(form.LaserSoundCheckBox->Enabled());
    EXPECT_TRUE(form.LaserSoundCheckBox->Checked());
    form.SoundCheckBox->SetChecked(false);
    EXPECT_FALSE(form.LaserSoundCheckBox->Enabled());
    EXPECT_TRUE(form.LaserSoundCheckBox->Checked());
}

} // namespace
} // namespace orv
