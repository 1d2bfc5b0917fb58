#include "WManager.h"
#include "WinPlace.h"
#include "components/ComponentTexts.h"

#include "components/settings/AutoIni.h"
#include "framework/Application.h"
#include "framework/Forms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace orv {
namespace {

constexpr int kClassicWidths[] = {640, 800, 1024, 1152, 1280, 1600};
// Other widths a screen can have: the main window does not fit below the
// smallest classic width, and X11 screens end at 32767 pixels.
constexpr int kLeastOtherWidth = 640;
constexpr int kMostOtherWidth = 32767;
constexpr const char* kFormsSection = "Forms";
constexpr const char* kPropertiesSection = "WindowManager";
// More slots than any program has windows; a bigger table would only cost
// memory a hand-edited file asked for.
constexpr int kMaxHashSize = 65536;
// The smallest window a stored size may make: the frame and one pixel inside.
constexpr TSize kMinWindow{TForm::kBorderWidth + 1, TForm::kBorderHeight + 1};

const char* YesNo(bool value) {
    return value ? "Y" : "N";
}

// X11 coordinates and sizes fit in 16 bits: a number of a Pos value beyond
// that is no place on any screen, and would overflow the arithmetic that
// puts a window back or glides the cursor to it.
constexpr int kMostPosNumber = 65535;

// Cuts a signed decimal integer within +-kMostPosNumber and its delimiter off
// the front of text; text and value are left alone when there is none.
bool TakeNumber(std::string_view& text, char delimiter, int& value) {
    const std::size_t at = text.find(delimiter);
    if (at == std::string_view::npos)
        return false;
    std::string_view digits = text.substr(0, at);
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    int parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        parsed < -kMostPosNumber || parsed > kMostPosNumber)
        return false;
    value = parsed;
    text.remove_prefix(at + 1);
    return true;
}

void CutFront(std::string_view& text, std::size_t count) {
    text.remove_prefix(std::min(count, text.size()));
}

bool LetterAt(std::string_view text, std::size_t index) {
    return index < text.size() && text[index] == 'Y';
}

// Left and top edges inside, right and bottom edges outside.
bool InClientArea(const TForm& form, TPoint p) {
    return p.X >= 0 && p.Y >= 0 && p.X < form.ClientWidth() && p.Y < form.ClientHeight();
}

std::string FormatRect(int key, const TPlacement& p, bool withSize) {
    std::string text =
        std::to_string(key) + "(" + std::to_string(p.Left) + "," + std::to_string(p.Top) + ")";
    if (withSize)
        text += std::to_string(p.Width) + "x" + std::to_string(p.Height);
    return text + ";";
}

} // namespace

TWindowManager::TWindowManager(TComponent* owner) : TComponent(owner) {
    screenWidth_ = Application().ScreenDeviceWidth();
    currentResolution_ = ResolutionOf(screenWidth_);
    Application().WindowHooks().Install(*this);
    previousDisplayChange_ = Application().OnDisplayChange;
    Application().OnDisplayChange = [this](TObject* sender) {
        DisplayChange();
        if (previousDisplayChange_)
            previousDisplayChange_(sender);
    };
}

TWindowManager::~TWindowManager() {
    Application().WindowHooks().Remove(*this);
    if (IsLoaded())
        Application().OnActiveFormChange = previousActiveFormChange_;
    if (iniFile_)
        iniFile_->UnregisterClient(this);
    Application().OnDisplayChange = previousDisplayChange_;
}

void TWindowManager::Loaded() {
    TComponent::Loaded();
    iniFile_ = FindAutoIniFile(this);
    if (iniFile_)
        iniFile_->RegisterClient(
            this, [this](TAutoIniFile& ini) { LoadPlacements(ini); },
            [this](TAutoIniFile& ini) { SavePlacements(ini); });
    previousActiveFormChange_ = Application().OnActiveFormChange;
    Application().OnActiveFormChange = [this](TObject* sender) {
        ActiveFormChange();
        if (previousActiveFormChange_)
            previousActiveFormChange_(sender);
    };
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

int TWindowManager::ResolutionOf(int screenWidth) {
    for (int r = 1; r <= 6; ++r)
        if (kClassicWidths[r - 1] == screenWidth)
            return r;
    return 0;
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

// Classic resolutions have a fixed rectangle each; other widths share a short
// list, where storing makes a width the most recent and drops the oldest.
TPlacement* TWindowManager::PlacementFor(TWindowEntry& entry, int r, bool create) {
    if (r >= 1 && r <= 6)
        return &entry.Placements[static_cast<std::size_t>(r - 1)];
    if (r < kLeastOtherWidth || r > kMostOtherWidth || ResolutionOf(r) != 0)
        return nullptr;
    auto& others = entry.OtherWidths;
    auto found = std::find_if(others.begin(), others.end(),
                              [r](const TWidthPlacement& p) { return p.ScreenWidth == r; });
    if (!create)
        return found == others.end() ? nullptr : &found->Placement;
    TWidthPlacement kept{r, {}};
    if (found != others.end()) {
        kept = *found;
        others.erase(found);
    } else if (others.size() >= TWindowEntry::kMaxOtherWidths) {
        others.erase(others.begin());
    }
    others.push_back(kept);
    return &others.back().Placement;
}

// A stored size no window can have (a hand-edited file) is not given; the
// window keeps the size it has.
bool TWindowManager::GetPlacement(int e, int r, int& left, int& top, int& width, int& height) {
    TWindowEntry& entry = Entry(e);
    const TPlacement* p = PlacementFor(entry, r, false);
    if (!p || !p->Stored)
        return false;
    left = p->Left;
    top = p->Top;
    if (entry.SaveSize && UsableSize(p->Width, p->Height, kMinWindow)) {
        width = p->Width;
        height = p->Height;
    }
    return true;
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
void TWindowManager::ClampToScreen(int& left, int& top, int width, int height) const {
    ClampOntoScreen(left, top, width, height, Application().ScreenSize());
}

// Where nothing is stored for this screen yet, the designed place may lie
// partly off a small (or scaled) screen: the window is moved wholly onto it.
// A stored place is the player's and is only pulled back when wholly off.
void TWindowManager::PlaceOnScreen(bool stored, int& left, int& top, int width, int height) const {
    if (stored)
        ClampToScreen(left, top, width, height);
    else
        FitOntoScreen(left, top, width, height, Application().ScreenSize());
}

void TWindowManager::RelayoutAll() {
    screenWidth_ = Application().ScreenDeviceWidth();
    currentResolution_ = ResolutionOf(screenWidth_);
    for (int e = 1; e <= Count(); ++e) {
        const int slot = Entry(e).HashSlot;
        if (slot < 0)
            continue;
        TForm* form = Application().FindWindow(hash_[static_cast<std::size_t>(slot)].Window);
        if (!form)
            continue;
        int left = form->Left(), top = form->Top(), width = form->Width(), height = form->Height();
        ClampToScreen(left, top, width, height);
        // A stored place wholly off this screen would hide the window.
        if (GetPlacement(e, CurrentKey(), left, top, width, height))
            ClampToScreen(left, top, width, height);
        form->SetBounds(left, top, width, height);
    }
}

// ---- Window events -----------------------------------------------------------

void TWindowManager::WindowCreating(THandle window, TCreateParams& params) {
    if (!Enabled || params.Owner != Application().Handle())
        return;
    const int e = AttachWindow(window, params.Caption);
    const bool stored = e > 0 && GetPlacement(e, CurrentKey(), params.Left, params.Top,
                                              params.Width, params.Height);
    PlaceOnScreen(stored, params.Left, params.Top, params.Width, params.Height);
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
        entry.JumpToControl ? ControlTarget(entry) : PointTarget(entry, window);
    // A held button (a title bar being dragged) would drag with the cursor.
    if (!target || Application().Cursor().ButtonHeld())
        return;
    // The screen is brought up to date before the cursor crosses it.
    RepaintAttached();
    GlideCursorTo(*target);
}

// The centre of the form's focused control. A control that cannot take the
// focus (hidden or disabled) is no target.
std::optional<TPoint> TWindowManager::ControlTarget(TWindowEntry& entry) {
    if (!entry.Form && !FindEntryForm(entry))
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
bool TWindowManager::FindEntryForm(TWindowEntry& entry) {
    const int e = static_cast<int>(&entry - entries_.data()) + 1;
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
    for (int e = 1; e <= Count(); ++e) {
        const int slot = Entry(e).HashSlot;
        if (slot < 0)
            continue;
        if (TForm* form = Application().FindWindow(hash_[static_cast<std::size_t>(slot)].Window))
            form->Repaint();
    }
}

std::vector<TPoint> TWindowManager::GlidePoints(TPoint start, TPoint target, int step,
                                                int maxMoves) {
    const int dx = target.X - start.X;
    const int dy = target.Y - start.Y;
    const int distance = std::abs(dy) < std::abs(dx) ? std::abs(dx) : std::abs(dy);
    // A step of 0 or less (a hand-edited file) makes it a direct jump.
    int n = step > 0 ? static_cast<int>(std::trunc(static_cast<double>(distance) / step)) : 0;
    n = std::min({n, maxMoves, kMostGlideMoves});
    std::vector<TPoint> points;
    for (int i = 1; i <= n; ++i) {
        const auto part = [i, n](int delta) {
            return static_cast<int>(std::trunc(static_cast<double>(std::int64_t{i} * delta) / n));
        };
        points.push_back({start.X + part(dx), start.Y + part(dy)});
    }
    return points;
}

// Blocks the window thread for at most CursorMaxMoves (100 at most) waits; ticks posted
// meanwhile queue up and are delivered afterwards.
void TWindowManager::GlideCursorTo(TPoint target) const {
    ICursor& cursor = Application().Cursor();
    for (const TPoint p : GlidePoints(cursor.Pos(), target, CursorMoveStep, CursorMaxMoves)) {
        cursor.SetPos(p);
        Application().Sleeper().Sleep(kGlideWaitMs);
    }
    cursor.SetPos(target);
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
    int left = form->Left(), top = form->Top(), width = form->Width(), height = form->Height();
    const bool stored = e > 0 && GetPlacement(e, CurrentKey(), left, top, width, height);
    // A place stored off the screen (a hand-edited file, a monitor gone)
    // would leave the window out of sight.
    PlaceOnScreen(stored, left, top, width, height);
    form->SetBounds(left, top, width, height);
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
    iniFile_ = nullptr;
}

std::string TWindowManager::FormatPos(const TWindowEntry& entry) {
    std::string text = std::string(YesNo(entry.ReservedFlag1)) + YesNo(entry.SaveSize) +
                       YesNo(entry.ReservedFlag2);
    if (!entry.JumpEnabled) {
        text += "N";
    } else {
        text += std::string("Y") + YesNo(entry.JumpToControl) + YesNo(entry.TrackTarget);
        text += entry.JumpToControl ? "(" + std::to_string(entry.ControlIndex) + ")"
                                    : "(" + std::to_string(entry.JumpPoint.X) + "," +
                                          std::to_string(entry.JumpPoint.Y) + ")";
    }
    for (int r = 1; r <= 6; ++r)
        if (const TPlacement& p = entry.Placements[static_cast<std::size_t>(r - 1)]; p.Stored)
            text += FormatRect(r, p, entry.SaveSize);
    for (const TWidthPlacement& other : entry.OtherWidths)
        if (other.Placement.Stored)
            text += FormatRect(other.ScreenWidth, other.Placement, entry.SaveSize);
    return text;
}

// Reads a Pos value into entry. What was read before a failure stays.
TWindowManager::TPosRead TWindowManager::ReadPos(std::string_view text, TWindowEntry& e) {
    e.ReservedFlag1 = LetterAt(text, 0);
    e.SaveSize = LetterAt(text, 1);
    e.ReservedFlag2 = LetterAt(text, 2);
    CutFront(text, 3);
    if (LetterAt(text, 0)) {
        e.JumpEnabled = true;
        e.JumpToControl = LetterAt(text, 1);
        e.TrackTarget = LetterAt(text, 2);
        CutFront(text, 3);
        if (text.empty() || text.front() != '(')
            return TPosRead::prStopSection;
        CutFront(text, 1);
        if (e.JumpToControl) {
            if (!TakeNumber(text, ')', e.ControlIndex))
                return TPosRead::prStopSection;
        } else if (!TakeNumber(text, ',', e.JumpPoint.X) || !TakeNumber(text, ')', e.JumpPoint.Y)) {
            return TPosRead::prStopSection;
        }
    } else {
        e.JumpEnabled = false;
        CutFront(text, 1);
    }
    while (!text.empty()) {
        int r = 0;
        if (!TakeNumber(text, '(', r))
            return TPosRead::prNextPair;
        TPlacement unkept;
        TPlacement* kept = PlacementFor(e, r, true);
        TPlacement& p = kept ? *kept : unkept;
        p.Stored = true;
        if (!TakeNumber(text, ',', p.Left) || !TakeNumber(text, ')', p.Top))
            return TPosRead::prNextPair;
        if (!e.SaveSize)
            CutFront(text, 1);
        else if (!TakeNumber(text, 'x', p.Width) || !TakeNumber(text, ';', p.Height))
            return TPosRead::prNextPair;
    }
    return TPosRead::prOk;
}

} // namespace orv
