// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WinPos.h"
#include "WinPlace.h"

#include <algorithm>
#include <charconv>

namespace orv {
namespace {

constexpr int kClassicWidths[] = {640, 800, 1024, 1152, 1280, 1600};
// Other widths a screen can have: the main window does not fit below the
// smallest classic width, and no screen is wider than a window can be.
constexpr int kLeastOtherWidth = 640;
constexpr int kMostOtherWidth = kMaxWindowExtent;

// X11 coordinates and sizes fit in 16 bits: a number of a Pos value beyond
// that is no place on any screen, and would overflow the arithmetic that
// puts a window back or glides the cursor to it.
constexpr int kMostPosNumber = 65535;

const char* YesNo(bool value) {
    return value ? "Y" : "N";
}

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

std::string FormatRect(int key, const TPlacement& p, bool withSize) {
    std::string text =
        std::to_string(key) + "(" + std::to_string(p.Left) + "," + std::to_string(p.Top) + ")";
    if (withSize)
        text += std::to_string(p.Width) + "x" + std::to_string(p.Height);
    return text + ";";
}

// The flags and the cursor target at the front of a Pos value.
TPosRead ReadJump(std::string_view& text, TWindowEntry& e) {
    if (!LetterAt(text, 0)) {
        e.JumpEnabled = false;
        CutFront(text, 1);
        return TPosRead::prOk;
    }
    e.JumpEnabled = true;
    e.JumpToControl = LetterAt(text, 1);
    e.TrackTarget = LetterAt(text, 2);
    CutFront(text, 3);
    if (text.empty() || text.front() != '(')
        return TPosRead::prStopSection;
    CutFront(text, 1);
    if (e.JumpToControl)
        return TakeNumber(text, ')', e.ControlIndex) ? TPosRead::prOk : TPosRead::prStopSection;
    if (!TakeNumber(text, ',', e.JumpPoint.X) || !TakeNumber(text, ')', e.JumpPoint.Y))
        return TPosRead::prStopSection;
    return TPosRead::prOk;
}

} // namespace

int ResolutionOf(int screenWidth) {
    for (int r = 1; r <= 6; ++r)
        if (kClassicWidths[r - 1] == screenWidth)
            return r;
    return 0;
}

// Classic resolutions have a fixed rectangle each; other widths share a short
// list, where storing makes a width the most recent and drops the oldest.
TPlacement* PlacementFor(TWindowEntry& entry, int r, bool create) {
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

std::string FormatPos(const TWindowEntry& entry) {
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

// What was read before a failure stays.
TPosRead ReadPos(std::string_view text, TWindowEntry& e) {
    e.ReservedFlag1 = LetterAt(text, 0);
    e.SaveSize = LetterAt(text, 1);
    e.ReservedFlag2 = LetterAt(text, 2);
    CutFront(text, 3);
    if (const TPosRead jump = ReadJump(text, e); jump != TPosRead::prOk)
        return jump;
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
