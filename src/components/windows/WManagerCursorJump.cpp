// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cursor jump: the control or point the player left a window at, and the
// cursor's glide back to it when the window is activated by keyboard.

#include "CursorGlide.h"
#include "WManager.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <algorithm>

namespace orv {
namespace {

// Left and top edges inside, right and bottom edges outside.
bool InClientArea(const TForm& form, TPoint p) {
    return p.X >= 0 && p.Y >= 0 && p.X < form.ClientWidth() && p.Y < form.ClientHeight();
}

} // namespace

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

} // namespace orv
