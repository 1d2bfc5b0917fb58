// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window manager as a window hook: a window's creation, destruction, moves
// and sizes, the active form's change and the display's.

#include "WManager.h"
#include "WinPlace.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

namespace orv {

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

} // namespace orv
