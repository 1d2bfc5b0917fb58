// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window manager puts windows: stored places per screen width, kept
// on the screen.

#include "WManager.h"
#include "WinPlace.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

namespace orv {
namespace {

// The smallest window a stored size may make: the frame and one pixel inside.
constexpr TSize kMinWindow{TForm::kBorderWidth + 1, TForm::kBorderHeight + 1};

TBounds BoundsOf(const TForm& form) {
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

void SetBoundsOf(TForm& form, const TBounds& b) {
    form.SetBounds(b.Left, b.Top, b.Width, b.Height);
}

} // namespace

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

} // namespace orv
