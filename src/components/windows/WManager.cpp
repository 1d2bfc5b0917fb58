// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WManager.h"
#include "CursorGlide.h"
#include "WinPlace.h"
#include "components/ComponentTexts.h"

#include "components/settings/AutoIni.h"
#include "framework/Application.h"
#include "framework/Forms.h"

#include <algorithm>
#include <cstdio>

namespace orv {
namespace {

constexpr const char* kFormsSection = "Forms";
constexpr const char* kPropertiesSection = "WindowManager";
// More slots than any program has windows; a bigger table would only cost
// memory a hand-edited file asked for.
constexpr int kMaxHashSize = 65536;
// The smallest window a stored size may make: the frame and one pixel inside.
constexpr TSize kMinWindow{TForm::kBorderWidth + 1, TForm::kBorderHeight + 1};

// Left and top edges inside, right and bottom edges outside.
bool InClientArea(const TForm& form, TPoint p) {
    return p.X >= 0 && p.Y >= 0 && p.X < form.ClientWidth() && p.Y < form.ClientHeight();
}

TBounds BoundsOf(const TForm& form) {
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

void SetBoundsOf(TForm& form, const TBounds& b) {
    form.SetBounds(b.Left, b.Top, b.Width, b.Height);
}

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

// ---- Properties ------------------------------------------------------------

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

// Every attached window moves to a slot in a table of the new size, also a
// second window of an entry (two open windows with one caption); the entry
// keeps naming the window it named.
void TWindowManager::Rehash(std::size_t size) {
    std::vector<THashSlot> old(size);
    old.swap(hash_);
    for (std::size_t s = 0; s < old.size(); ++s) {
        const THashSlot slot = old[s];
        if (slot.Entry <= 0)
            continue;
        const int now = HashInsert(slot.Window, slot.Entry);
        if (TWindowEntry& entry = Entry(slot.Entry); entry.HashSlot == static_cast<int>(s))
            entry.HashSlot = now;
    }
}

// ---- Entries and the hash table ----------------------------------------------

int TWindowManager::FindOrAddEntry(const std::string& name) {
    for (int e = 1; e <= Count(); ++e)
        if (Entry(e).Name == name)
            return e;
    if (Count() >= entryMax_)
        return 0;
    entries_.emplace_back().Name = name;
    return Count();
}

int TWindowManager::AttachWindow(THandle window, const std::string& name) {
    const int countBefore = Count();
    const int e = FindOrAddEntry(name);
    if (e < 1)
        return 0;
    Entry(e).HashSlot = HashInsert(window, e);
    return Count() == countBefore ? e : 0;
}

// Linear probing from the handle's home slot. With every slot taken the
// window is not attached (-1).
int TWindowManager::HashInsert(THandle window, int entry) {
    const std::size_t size = hash_.size();
    std::size_t s = window % size;
    for (std::size_t tried = 0; tried < size; ++tried, s = (s + 1) % size)
        if (hash_[s].Entry <= 0) {
            hash_[s] = {entry, window};
            return static_cast<int>(s);
        }
    return -1;
}

// A freed slot keeps its window, so a lookup starting there still finds it;
// its Entry of 0 then says the window is not attached.
int TWindowManager::HashLookup(THandle window) const {
    const std::size_t size = hash_.size();
    const std::size_t home = window % size;
    std::size_t s = home;
    while (hash_[s].Window != window) {
        s = (s + 1) % size;
        if (s == home || hash_[s].Entry == 0)
            return -1;
    }
    return static_cast<int>(s);
}

void TWindowManager::HashRemove(THandle window) {
    const int s = HashLookup(window);
    if (s < 0)
        return;
    THashSlot& slot = hash_[static_cast<std::size_t>(s)];
    if (slot.Entry > 0)
        Entry(slot.Entry).HashSlot = -1;
    slot.Entry = 0;
}

int TWindowManager::EntryOf(THandle window) const {
    if (window == kNoWindow)
        return 0;
    const int s = HashLookup(window);
    return s < 0 ? 0 : hash_[static_cast<std::size_t>(s)].Entry;
}

// ---- Placements --------------------------------------------------------------

int TWindowManager::CurrentKey() const {
    if (currentResolution_ > 0)
        return currentResolution_;
    return screenWidth_ > 6 ? screenWidth_ : 0;
}

// A stored size no window can have (a hand-edited file) is not given; the
// window keeps the size it has.
std::optional<TBounds> TWindowManager::GetPlacement(int e, int r, TSize current) {
    TWindowEntry& entry = Entry(e);
    const TPlacement* p = PlacementFor(entry, r, false);
    if (!p || !p->Stored)
        return std::nullopt;
    if (entry.SaveSize && UsableSize(p->Width, p->Height, kMinWindow))
        current = {p->Width, p->Height};
    return TBounds{p->Left, p->Top, current.cx, current.cy};
}

void TWindowManager::StorePlacement(int e, int r, int left, int top, int width, int height) {
    TWindowEntry& entry = Entry(e);
    TPlacement* p = PlacementFor(entry, r, true);
    if (!p)
        return;
    p->Left = left;
    p->Top = top;
    if (entry.SaveSize) {
        p->Width = width;
        p->Height = height;
    }
    p->Stored = true;
}

// Only a window wholly off an edge is pulled back.
void TWindowManager::ClampToScreen(TBounds& bounds) const {
    ClampOntoScreen(bounds, Application().ScreenSize());
}

// Where window e goes when it is made with the designed bounds. Where
// nothing is stored for this screen yet, the designed place may lie partly
// off a small (or scaled) screen: the window is moved wholly onto it. A
// stored place is the player's and is only pulled back when wholly off.
TBounds TWindowManager::PlaceOnScreen(int e, TBounds designed) {
    const TSize size{designed.Width, designed.Height};
    if (const auto stored = e > 0 ? GetPlacement(e, CurrentKey(), size) : std::nullopt) {
        TBounds placed = *stored;
        ClampToScreen(placed);
        return placed;
    }
    FitOntoScreen(designed, Application().ScreenSize());
    return designed;
}

void TWindowManager::ForEachAttachedForm(const std::function<void(int e, TForm& form)>& fn) {
    for (int e = 1; e <= Count(); ++e) {
        const int slot = Entry(e).HashSlot;
        if (slot < 0)
            continue;
        if (TForm* form = Application().FindWindow(hash_[static_cast<std::size_t>(slot)].Window))
            fn(e, *form);
    }
}

void TWindowManager::RelayoutAll() {
    screenWidth_ = Application().ScreenDeviceWidth();
    currentResolution_ = ResolutionOf(screenWidth_);
    ForEachAttachedForm([this](int e, TForm& form) {
        // A place wholly off this screen, stored or not, would hide the window.
        TBounds bounds =
            GetPlacement(e, CurrentKey(), {form.Width(), form.Height()}).value_or(BoundsOf(form));
        ClampToScreen(bounds);
        SetBoundsOf(form, bounds);
    });
}

// ---- Window events -----------------------------------------------------------

void TWindowManager::WindowCreating(THandle window, TCreateParams& params) {
    if (!Enabled || params.Owner != Application().Handle())
        return;
    const int e = AttachWindow(window, params.Caption);
    const TBounds placed = PlaceOnScreen(e, {params.Left, params.Top, params.Width, params.Height});
    params.Left = placed.Left;
    params.Top = placed.Top;
    params.Width = placed.Width;
    params.Height = placed.Height;
}

void TWindowManager::WindowDestroying(THandle window) {
    if (!Enabled)
        return;
    const int s = HashLookup(window);
    if (s < 0)
        return;
    if (const int e = hash_[static_cast<std::size_t>(s)].Entry; e > 0) {
        TWindowEntry& entry = Entry(e);
        if (const TForm* form = entry.Form ? entry.Form : Application().FindWindow(window))
            StorePlacement(e, CurrentKey(), form->Left(), form->Top(), form->Width(),
                           form->Height());
        entry.Form = nullptr;
        entry.HashSlot = -1;
    }
    HashRemove(window);
}

void TWindowManager::WindowMovingSizing(THandle window, const TRect& rect) {
    if (!Enabled)
        return;
    if (Application().ScreenDeviceWidth() != screenWidth_) {
        RelayoutAll();
        return;
    }
    if (const int e = EntryOf(window); e > 0)
        StorePlacement(e, CurrentKey(), rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TWindowManager::ActiveFormChange() {
    TForm* form = Application().ActiveForm();
    if (!form || !form->HandleAllocated())
        return;
    if (const int e = EntryOf(form->Handle()); e > 0 && !Entry(e).Form)
        Entry(e).Form = form;
}

void TWindowManager::DisplayChange() {
    if (Application().WindowPlacementSupported() &&
        Application().ScreenDeviceWidth() != screenWidth_)
        RelayoutAll();
}

// ---- The cursor jump ----------------------------------------------------------

// Coming back to the program may be the first the manager hears of a screen
// that changed while it was away.
void TWindowManager::WindowActivating(THandle window, bool byMouse, THandle previous) {
    if (!Enabled)
        return;
    DisplayChange();
    OnWindowActivate(window, byMouse, previous);
}

// Where a program may not place the cursor (Wayland) nothing is remembered
// either, so targets from a desktop that allows it stay as they were.
void TWindowManager::OnWindowActivate(THandle window, bool byMouse, THandle previous) {
    if (!JumpCursor || !Application().Cursor().CanPlace())
        return;
    if (const int e = EntryOf(previous); e > 0 && Entry(e).JumpEnabled && Entry(e).TrackTarget)
        RecordTarget(e, previous);
    if (byMouse)
        return;
    if (const int e = EntryOf(window); e > 0)
        JumpToTarget(e, window);
}

void TWindowManager::RecordTarget(int e, THandle window) {
    TWindowEntry& entry = Entry(e);
    if (entry.JumpToControl) {
        if (!entry.Form)
            return;
        const auto& components = entry.Form->Components();
        const auto active = std::find(components.begin(), components.end(),
                                      static_cast<TComponent*>(entry.Form->ActiveControl()));
        if (entry.Form->ActiveControl() && active != components.end())
            entry.ControlIndex = static_cast<int>(active - components.begin());
        return;
    }
    const TForm* form = Application().FindWindow(window);
    if (!form)
        return;
    if (const TPoint p = form->ScreenToClient(Application().Cursor().Pos()); InClientArea(*form, p))
        entry.JumpPoint = p;
}

void TWindowManager::JumpToTarget(int e, THandle window) {
    TWindowEntry& entry = Entry(e);
    if (!entry.JumpEnabled)
        return;
    const std::optional<TPoint> target =
        entry.JumpToControl ? ControlTarget(e) : PointTarget(entry, window);
    // A held button (a title bar being dragged) would drag with the cursor.
    if (!target || Application().Cursor().ButtonHeld())
        return;
    // The screen is brought up to date before the cursor crosses it.
    RepaintAttached();
    // Blocks the window thread for at most kMostGlideMoves waits; ticks
    // posted meanwhile queue up and are delivered afterwards.
    GlideCursor(Application().Cursor(), Application().Sleeper(), *target, CursorMoveStep,
                CursorMaxMoves);
}

// The centre of the form's focused control. A control that cannot take the
// focus (hidden or disabled) is no target.
std::optional<TPoint> TWindowManager::ControlTarget(int e) {
    TWindowEntry& entry = Entry(e);
    if (!entry.Form && !FindEntryForm(e))
        return std::nullopt;
    const TWinControl* control = entry.Form->ActiveControl();
    if (!control || !control->Parent() || !control->CanFocus())
        return std::nullopt;
    return control->Parent()->ClientToScreen(
        {control->Left() + control->Width() / 2, control->Top() + control->Height() / 2});
}

// Only a hand-edited file gives a point outside the client area; it is no
// target, so no coordinate far off the screen enters the glide.
std::optional<TPoint> TWindowManager::PointTarget(const TWindowEntry& entry, THandle window) const {
    const TForm* form = Application().FindWindow(window);
    if (entry.JumpPoint.X < 0 || !form || !InClientArea(*form, entry.JumpPoint))
        return std::nullopt;
    return form->ClientToScreen(entry.JumpPoint);
}

// Looks for the entry's form among the open forms, from the least recently
// focused up to the second (the first is normally the one losing activation),
// and gives it the remembered focused control. False when there is no such
// form or the remembered control cannot take the focus. Only a form whose
// window is attached to the entry is taken: its destruction lets go of it.
bool TWindowManager::FindEntryForm(int e) {
    TWindowEntry& entry = Entry(e);
    const std::vector<TForm*>& forms = Application().Forms();
    for (std::size_t i = forms.size(); i-- > 1;) {
        TForm* form = forms[i];
        if (form->Caption() != entry.Name || !form->HandleAllocated() ||
            EntryOf(form->Handle()) != e)
            continue;
        entry.Form = form;
        if (entry.ControlIndex < 0 || entry.ControlIndex >= form->ComponentCount())
            return true;
        auto* control = dynamic_cast<TWinControl*>(
            form->Components()[static_cast<std::size_t>(entry.ControlIndex)]);
        if (!control)
            return true;
        if (!control->CanFocus())
            return false;
        form->SetActiveControl(control);
        return true;
    }
    return false;
}

void TWindowManager::RepaintAttached() {
    ForEachAttachedForm([](int, TForm& form) { form.Repaint(); });
}

// ---- The settings file -------------------------------------------------------

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

// The owner's window was made before this component watched: attach it now
// and give it its place. A window made only now was placed as it was made.
// Where windows cannot be placed, nothing is touched.
void TWindowManager::AttachOwnerForm() {
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form || !Application().WindowPlacementSupported())
        return;
    if (!form->HandleAllocated()) {
        form->Handle();
        return;
    }
    const int e = AttachWindow(form->Handle(), form->Caption());
    // A place stored off the screen (a hand-edited file, a monitor gone)
    // would leave the window out of sight.
    SetBoundsOf(*form, PlaceOnScreen(e, BoundsOf(*form)));
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
