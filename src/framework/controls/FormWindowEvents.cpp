// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's window handle, and the window events its window raises through the
// application's hooks.

#include "framework/controls/Forms.h"

#include "framework/app/Application.h"
#include "framework/internal/Peers.h"

#include <QWidget>

namespace orv {

THandle TForm::Handle() {
    if (!HandleAllocated())
        CreateHandle();
    return handle_;
}

bool TForm::RaisesWindowEvents() const {
    return TApplication::Exists() && Application().WindowPlacementSupported();
}

void TForm::CreateHandle() {
    if (!TApplication::Exists())
        return;
    handle_ = Application().NewWindowHandle();
    if (!RaisesWindowEvents())
        return;
    TCreateParams params{Application().Handle(), caption_, Left(), Top(), Width(), Height()};
    Application().WindowHooks().RaiseCreating(handle_, params);
    if (params.Left != Left() || params.Top != Top() || params.Width != Width() ||
        params.Height != Height())
        SetBounds(params.Left, params.Top, params.Width, params.Height);
}

void TForm::WindowMoved() {
    if (!HandleAllocated())
        return;
    // A person may resize a sizeable window: the outer size follows the
    // window's, menu bar and frame counted as everywhere.
    // While the program sizes the window itself, its widget passes through
    // sizes that are not the form's.
    const int width = sizing_ ? Width() : Peer()->width() + kBorderWidth;
    const int height =
        sizing_ ? Height() : Peer()->height() - TitleHeight() - BarHeight() + NonClientHeight();
    const bool resized = width != Width() || height != Height();
    // Where a program cannot know its place (Wayland), the position stays.
    const bool placed = RaisesWindowEvents();
    // While the program places the window, it is where the program put it.
    const TPoint frame = placed && !sizing_ ? FramePosition() : TPoint{Left(), Top()};
    SetBoundsFields(frame.X, frame.Y, width, height);
    if (resized) {
        LayOutClient();
        Resize();
    }
    if (!placed)
        return;
    const TRect rect{Left(), Top(), Left() + Width(), Top() + Height()};
    if (rect == reportedRect_)
        return;
    reportedRect_ = rect;
    Application().WindowHooks().RaiseMovingSizing(handle_, rect);
}

void TForm::WindowHidden() {
    hiddenOrigin_.reset();
    hiddenOrigin_ = ClientToScreen({0, 0});
}

std::optional<TPoint> TForm::KeptClientOrigin() const {
    return Peer()->isVisible() ? std::nullopt : hiddenOrigin_;
}

} // namespace orv
