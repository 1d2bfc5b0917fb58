// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"

namespace orv {

class TAutoIniFile;
class TWindowManager;

// The six settings the system settings form edits: the application's
// balloon hints and the window manager's cursor movement.
struct SystemConfigSettings {
    bool ShowHint = false;
    int HintPause = 0;
    int HintHidePause = 0;
    bool JumpCursor = false;
    int CursorMoveStep = 0;
    int CursorMaxMoves = 0;
};

// Keeps the application's balloon-hint settings in the settings file
// (section "SystemConfig") and shows the system settings form, which edits
// them and the window manager's cursor settings live.
class TSystemConfig : public TComponent {
public:
    // Finds the window manager among the owner's components created so far.
    explicit TSystemConfig(TComponent* owner);
    // Stores the settings through the settings file unless that has been
    // done already.
    ~TSystemConfig() override;
    // Joins the owner's settings file, which applies the stored settings.
    void Loaded() override;

    // Shows the form; true when it closed with OK or Cancel.
    virtual bool Execute();
    // Whether the form last shown closed with OK.
    bool Confirmed() const { return confirmed_; }

    TAutoIniFile* IniFile() const { return iniFile_; }
    TWindowManager* WindowManager() const { return windowManager_; }
    // The hint switch that goes into the file: the one in force before the
    // program's end turned the live switch off.
    bool SavedShowHint() const { return savedShowHint_; }
    const SystemConfigSettings& Settings() const { return settings_; }

private:
    void LoadFromIni(TAutoIniFile& ini);
    void SaveToIni(TAutoIniFile& ini);
    void CaptureSettings();

    SystemConfigSettings settings_;
    TAutoIniFile* iniFile_ = nullptr;
    TWindowManager* windowManager_ = nullptr;
    bool savedShowHint_ = false;
    bool confirmed_ = false;
};

} // namespace orv
