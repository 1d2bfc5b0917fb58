#pragma once

#include "framework/Component.h"
#include "framework/Types.h"
#include "framework/WindowHook.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TAutoIniFile;
class TForm;

// Where a window was, for one screen width.
struct TPlacement {
    bool Stored = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A place kept for a screen width outside the six classic ones.
struct TWidthPlacement {
    int ScreenWidth = 0;
    TPlacement Placement;
};

// One remembered window, known by its caption.
struct TWindowEntry {
    static constexpr int kMaxOtherWidths = 8;

    std::string Name;
    TForm* Form = nullptr;
    std::array<TPlacement, 6> Placements{};
    // Least recently stored first.
    std::vector<TWidthPlacement> OtherWidths;
    int HashSlot = -1;
    bool ReservedFlag1 = true;
    bool SaveSize = false;
    bool ReservedFlag2 = false;
    bool JumpEnabled = true;
    bool JumpToControl = false;
    bool TrackTarget = true;
    int ControlIndex = 0;
    TPoint JumpPoint{-1, 0};
};

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

    // The classic resolution number of a screen width, 0 for any other.
    static int ResolutionOf(int screenWidth);

    int FindOrAddEntry(const std::string& name);
    int AttachWindow(THandle window, const std::string& name);
    int HashInsert(THandle window, int entry);
    int HashLookup(THandle window) const;
    void HashRemove(THandle window);
    // r is a resolution number 1..6 or, for other screens, the width in
    // pixels; 0 and the six classic widths have no rectangle.
    // True when a place is stored for r.
    bool GetPlacement(int e, int r, int& left, int& top, int& width, int& height);
    void StorePlacement(int e, int r, int left, int top, int width, int height);
    void ClampToScreen(int& left, int& top, int width, int height) const;
    void PlaceOnScreen(bool stored, int& left, int& top, int width, int height) const;
    void RelayoutAll();

    // The cursor jump: the target of the window losing activation is
    // remembered, and unless a click caused the activation the cursor glides
    // onto the target of the window being activated.
    void OnWindowActivate(THandle window, bool byMouse, THandle previous);
    void RecordTarget(int e, THandle window);
    void JumpToTarget(int e, THandle window);
    static constexpr int kGlideWaitMs = 10;
    // The most moves of one glide, whatever the settings file says: the
    // settings form offers no more, and the window thread waits 1 s at most.
    static constexpr int kMostGlideMoves = 100;
    // The cursor's stops from start towards target, the target itself not
    // included: at most maxMoves (and kMostGlideMoves), of about step pixels along the longer axis.
    static std::vector<TPoint> GlidePoints(TPoint start, TPoint target, int step, int maxMoves);

    void LoadPlacements(TAutoIniFile& ini);
    void SavePlacements(TAutoIniFile& ini);
    // The Pos value of the settings file for entry e, and its reading.
    static std::string FormatPos(const TWindowEntry& entry);
    enum class TPosRead : std::uint8_t { prOk, prNextPair, prStopSection };
    static TPosRead ReadPos(std::string_view text, TWindowEntry& entry);

private:
    void WindowCreating(THandle window, TCreateParams& params) override;
    void WindowDestroying(THandle window) override;
    void WindowMovingSizing(THandle window, const TRect& rect) override;
    void WindowActivating(THandle window, bool byMouse, THandle previous) override;
    void ActiveFormChange();
    void DisplayChange();
    // The key of the current screen for GetPlacement and StorePlacement.
    int CurrentKey() const;
    static TPlacement* PlacementFor(TWindowEntry& entry, int r, bool create);
    void ReadProperties(TAutoIniFile& ini);
    void AttachOwnerForm();
    int EntryOf(THandle window) const;
    std::optional<TPoint> ControlTarget(TWindowEntry& entry);
    std::optional<TPoint> PointTarget(const TWindowEntry& entry, THandle window) const;
    bool FindEntryForm(TWindowEntry& entry);
    void RepaintAttached();
    void GlideCursorTo(TPoint target) const;
    void Rehash(std::size_t size);

    int entryMax_ = 17;
    std::vector<TWindowEntry> entries_;
    std::vector<THashSlot> hash_ = std::vector<THashSlot>(17);
    int currentResolution_ = 0;
    int screenWidth_ = 0;
    TAutoIniFile* iniFile_ = nullptr;
    TNotifyEvent previousActiveFormChange_;
    TNotifyEvent previousDisplayChange_;
    bool hooked_ = false;
};

} // namespace orv
