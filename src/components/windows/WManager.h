// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WinPos.h"
#include "framework/app/Component.h"
#include "framework/core/Event.h"
#include "framework/core/Types.h"
#include "framework/core/WindowHook.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv {

class TAutoIniFile;
class TForm;

struct THashSlot {
    int Entry = 0;
    THandle Window = kNoWindow;
};

// Remembers where every top-level window of the program was, by caption and
// per screen width, puts windows back there when they are made again, and
// moves the open ones when the screen width changes. The places live in the
// settings file, section "Forms".
class TWindowManager : public TComponent, private TWindowHook {
public:
    explicit TWindowManager(TComponent* owner);
    ~TWindowManager() override;
    void Loaded() override;

    int EntryMax() const { return entryMax_; }
    void SetEntryMax(int value);
    int HashSize() const { return static_cast<int>(hash_.size()); }
    // At most 65536.
    void SetHashSize(int value);

    bool JumpCursor = true;
    bool Enabled = true;
    // What the settings form's defaults button puts back, too.
    static constexpr int kDefaultCursorMoveStep = 20;
    static constexpr int kDefaultCursorMaxMoves = 10;
    int CursorMoveStep = kDefaultCursorMoveStep;
    int CursorMaxMoves = kDefaultCursorMaxMoves;
    bool SaveProperties = false;

    // The remembered windows, numbered from 1.
    int Count() const { return static_cast<int>(entries_.size()); }
    TWindowEntry& Entry(int e) { return entries_.at(static_cast<std::size_t>(e - 1)); }
    const THashSlot& Slot(int s) const { return hash_.at(static_cast<std::size_t>(s)); }
    int CurrentResolution() const { return currentResolution_; }
    // In device pixels: the width that selects the stored places.
    int ScreenWidth() const { return screenWidth_; }

    int FindOrAddEntry(const std::string& name);
    int AttachWindow(THandle window, const std::string& name);
    int HashInsert(THandle window, int entry);
    int HashLookup(THandle window) const;
    void HashRemove(THandle window);
    // r is a resolution number 1..6 or, for other screens, the width in
    // pixels; 0 and the six classic widths have no rectangle.
    // The place stored for r, if any, with the stored size where that is
    // kept and usable, else with the current size.
    std::optional<TBounds> GetPlacement(int e, int r, TSize current);
    void StorePlacement(int e, int r, int left, int top, int width, int height);
    void RelayoutAll();

    // The cursor jump: the target of the window losing activation is
    // remembered, and unless a click caused the activation the cursor glides
    // onto the target of the window being activated.
    void OnWindowActivate(THandle window, bool byMouse, THandle previous);
    void RecordTarget(int e, THandle window);
    void JumpToTarget(int e, THandle window);

    void LoadPlacements(TAutoIniFile& ini);
    void SavePlacements(TAutoIniFile& ini);

private:
    void WindowCreating(THandle window, TCreateParams& params) override;
    void WindowDestroying(THandle window) override;
    void WindowMovingSizing(THandle window, const TRect& rect) override;
    void WindowActivating(THandle window, bool byMouse, THandle previous) override;
    void ActiveFormChange();
    void DisplayChange();
    // The key of the current screen for GetPlacement and StorePlacement.
    int CurrentKey() const;
    void ClampToScreen(TBounds& bounds) const;
    TBounds PlaceOnScreen(int e, TBounds designed);
    // Each entry whose window is open and one of the program's forms.
    void ForEachAttachedForm(const std::function<void(int e, TForm& form)>& fn);
    void ReadProperties(TAutoIniFile& ini);
    void AttachOwnerForm();
    int EntryOf(THandle window) const;
    std::optional<TPoint> ControlTarget(int e);
    std::optional<TPoint> PointTarget(const TWindowEntry& entry, THandle window) const;
    bool FindEntryForm(int e);
    void RepaintAttached();
    void Rehash(std::size_t size);

    int entryMax_ = 17;
    std::vector<TWindowEntry> entries_;
    std::vector<THashSlot> hash_ = std::vector<THashSlot>(17);
    int currentResolution_ = 0;
    int screenWidth_ = 0;
    TAutoIniFile* iniFile_ = nullptr;
    TEventSubscription displayChange_;
    TEventSubscription activeFormChange_;
};

} // namespace orv
