// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WManager.h"
#include "components/ComponentTexts.h"

#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"

namespace orv {
namespace {

// More slots than any program has windows; a bigger table would only cost
// memory a hand-edited file asked for.
constexpr int kMaxHashSize = 65536;

} // namespace

TWindowManager::TWindowManager(TComponent* owner) : TComponent(owner) {
    screenWidth_ = Application().ScreenDeviceWidth();
    currentResolution_ = ResolutionOf(screenWidth_);
    Application().WindowHooks().Install(*this);
    displayChange_ = Application().OnDisplayChange.Subscribe([this](TObject*) { DisplayChange(); });
}

TWindowManager::~TWindowManager() {
    Application().WindowHooks().Remove(*this);
    if (iniFile_)
        iniFile_->UnregisterClient(this);
}

void TWindowManager::Loaded() {
    TComponent::Loaded();
    iniFile_ = FindAutoIniFile(this);
    if (iniFile_)
        iniFile_->RegisterClient(
            this, [this](TAutoIniFile& ini) { LoadPlacements(ini); },
            [this](TAutoIniFile& ini) { SavePlacements(ini); });
    activeFormChange_ =
        Application().OnActiveFormChange.Subscribe([this](TObject*) { ActiveFormChange(); });
}

void TWindowManager::SetEntryMax(int value) {
    if (value <= 0 || value > HashSize()) {
        Application().MessageBox(Tr(ComponentTexts::EntryMaxRange));
        return;
    }
    entryMax_ = value;
}

void TWindowManager::SetHashSize(int value) {
    if (value < entryMax_) {
        Application().MessageBox(Tr(ComponentTexts::HashSizeRange));
        return;
    }
    if (value > kMaxHashSize) {
        Application().MessageBox(
            Format(ComponentTexts::HashSizeTooLarge, {std::to_string(kMaxHashSize)}));
        return;
    }
    Rehash(static_cast<std::size_t>(value));
}

} // namespace orv
