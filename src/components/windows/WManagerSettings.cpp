// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window manager's part of the settings file: the [Forms] places and its
// own properties.

#include "WManager.h"
#include "WinPlace.h"

#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <cstdio>

namespace orv {
namespace {

constexpr const char* kFormsSection = "Forms";
constexpr const char* kPropertiesSection = "WindowManager";

} // namespace

void TWindowManager::LoadPlacements(TAutoIniFile& ini) {
    std::vector<std::string> lines;
    ini.ReadSection(kFormsSection, lines);
    if (SaveProperties)
        ReadProperties(ini);
    std::string key, caption, pos;
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2) {
        TAutoIniFile::SplitEntry(lines[k], key, caption);
        TAutoIniFile::SplitEntry(lines[k + 1], key, pos);
        if (pos.size() < 4)
            continue;
        TWindowEntry unkept;
        const int e = FindOrAddEntry(caption);
        if (ReadPos(pos, e > 0 ? Entry(e) : unkept) == TPosRead::prStopSection)
            break;
    }
    if (Enabled)
        AttachOwnerForm();
}

void TWindowManager::ReadProperties(TAutoIniFile& ini) {
    JumpCursor = ini.ReadBool(kPropertiesSection, "JumpCursor", JumpCursor);
    CursorMoveStep = ini.ReadIntegerOrKeep(kPropertiesSection, "CursorMoveStep", CursorMoveStep);
    CursorMaxMoves = ini.ReadIntegerOrKeep(kPropertiesSection, "CursorMaxMoves", CursorMaxMoves);
}

void TWindowManager::SavePlacements(TAutoIniFile& ini) {
    std::vector<std::string> lines;
    int n = 0;
    for (const TWindowEntry& entry : entries_) {
        if (entry.Name.empty())
            continue;
        char key[16];
        std::snprintf(key, sizeof key, "F%04d", n++);
        lines.push_back(std::string(key) + "Name=" + entry.Name);
        lines.push_back(std::string(key) + "Pos=" + FormatPos(entry));
    }
    ini.EraseSection(kFormsSection);
    ini.WriteSection(kFormsSection, lines);
    if (SaveProperties) {
        ini.WriteBool(kPropertiesSection, "JumpCursor", JumpCursor);
        ini.WriteInteger(kPropertiesSection, "CursorMoveStep", CursorMoveStep);
        ini.WriteInteger(kPropertiesSection, "CursorMaxMoves", CursorMaxMoves);
    }
    // A save in the middle of the session keeps this client registered.
    if (!ini.IsInterimSave())
        iniFile_ = nullptr;
}

} // namespace orv
