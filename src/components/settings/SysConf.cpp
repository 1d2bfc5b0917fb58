// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SysConf.h"

#include "AutoIni.h"
#include "SysConfF.h"
#include "framework/app/Application.h"

#include "components/windows/WManager.h"

namespace orv {
namespace {

constexpr const char* kSection = "SystemConfig";

} // namespace

TSystemConfig::TSystemConfig(TComponent* owner) : TComponent(owner) {
    if (!owner)
        return;
    for (TComponent* component : owner->Components())
        if (auto* manager = dynamic_cast<TWindowManager*>(component)) {
            windowManager_ = manager;
            break;
        }
}

TSystemConfig::~TSystemConfig() {
    if (iniFile_)
        iniFile_->UnregisterClient(this);
}

void TSystemConfig::Loaded() {
    TComponent::Loaded();
    iniFile_ = FindAutoIniFile(this);
    if (iniFile_)
        iniFile_->RegisterClient(
            this, [this](TAutoIniFile& ini) { LoadFromIni(ini); },
            [this](TAutoIniFile& ini) { SaveToIni(ini); });
    savedShowHint_ = Application().ShowHint();
}

void TSystemConfig::LoadFromIni(TAutoIniFile& ini) {
    TApplication& app = Application();
    app.SetShowHint(ini.ReadBool(kSection, "ShowHint", app.ShowHint()));
    app.SetHintPause(ini.ReadIntegerOrKeep(kSection, "HintPause", app.HintPause()));
    app.SetHintHidePause(ini.ReadIntegerOrKeep(kSection, "HintHidePause", app.HintHidePause()));
}

void TSystemConfig::SaveToIni(TAutoIniFile& ini) {
    ini.WriteBool(kSection, "ShowHint", savedShowHint_);
    ini.WriteInteger(kSection, "HintPause", Application().HintPause());
    ini.WriteInteger(kSection, "HintHidePause", Application().HintHidePause());
    // A save in the middle of the session keeps this client registered.
    if (!ini.IsInterimSave())
        iniFile_ = nullptr;
}

void TSystemConfig::CaptureSettings() {
    const TApplication& app = Application();
    settings_.ShowHint = app.ShowHint();
    settings_.HintPause = app.HintPause();
    settings_.HintHidePause = app.HintHidePause();
    if (windowManager_) {
        settings_.JumpCursor = windowManager_->JumpCursor;
        settings_.CursorMoveStep = windowManager_->CursorMoveStep;
        settings_.CursorMaxMoves = windowManager_->CursorMaxMoves;
    }
}

bool TSystemConfig::Execute() {
    auto* form = new TSystemConfigForm(&Application());
    // Released however the dialog ends.
    struct Release {
        TForm* form;
        ~Release() { form->Release(); }
    } release{form};
    CaptureSettings();
    form->SetSettings(settings_, windowManager_);
    const int result = form->ShowModal();
    savedShowHint_ = Application().ShowHint();
    confirmed_ = result == mrOk;
    return result == mrOk || result == mrCancel;
}

} // namespace orv
