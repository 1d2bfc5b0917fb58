// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's dialog keys: Enter, Esc and the buttons' underlined letters, and
// which control has the focus.

#include "framework/controls/Forms.h"

#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/internal/FormWidget.h"
#include "framework/internal/Peers.h"

#include <QPushButton>
#include <QWidget>

namespace orv {
namespace {

void MarkDefault(const TWinControl& container, const TButton* enterButton) {
    for (TControl* control : container.Controls()) {
        if (auto* button = dynamic_cast<TButton*>(control))
            static_cast<QPushButton*>(button->Peer())->setDefault(button == enterButton);
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            MarkDefault(*inner, enterButton);
    }
}

// The first control a person can see and use whose caption underlines key.
bool PressMnemonic(const TWinControl& container, const QWidget& window, int key) {
    for (TControl* control : container.Controls()) {
        if (!control->Enabled() || !control->Peer() || !control->Peer()->isVisibleTo(&window))
            continue;
        if (control->DialogChar(key))
            return true;
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            if (PressMnemonic(*inner, window, key))
                return true;
    }
    return false;
}

bool IsMnemonicKey(int key, unsigned shift) {
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    return letterOrDigit && !(shift & ssCtrl);
}

TButton* FindCancelButton(const TWinControl& container) {
    for (TControl* control : container.Controls()) {
        if (auto* button = dynamic_cast<TButton*>(control); button && button->Cancel())
            return button;
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            if (TButton* found = FindCancelButton(*inner))
                return found;
    }
    return nullptr;
}

} // namespace

// The nearest control around the focused widget (a control's inner widget
// may hold the focus).
void TForm::FocusMoved(const QWidget* focused) {
    if (!focused || focused->window() != Peer())
        return;
    for (const QWidget* w = focused; w && w != Peer(); w = w->parentWidget())
        if (auto* control = dynamic_cast<TWinControl*>(ControlOfPeer(w))) {
            activeControl_ = control;
            return;
        }
}

void TForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    designatedControl_ = control;
    if (control && Showing())
        control->SetFocus();
    MarkDefaultButton();
}

TButton* TForm::EnterButton() const {
    if (auto* focused = dynamic_cast<TButton*>(ControlOfPeer(Peer()->focusWidget())))
        return focused;
    // The focus left the buttons: the one the form was given presses.
    return dynamic_cast<TButton*>(designatedControl_);
}

void TForm::MarkDefaultButton() {
    MarkDefault(*this, EnterButton());
}

void TForm::PostSelectNext(bool forward) {
    auto* widget = static_cast<FormWidget*>(Peer());
    QMetaObject::invokeMethod(
        widget, [widget, forward] { widget->MoveFocus(forward); }, Qt::QueuedConnection);
}

void TForm::KeyDown(int& key, unsigned shift) {
    if (key == VK_RETURN) {
        if (TButton* button = EnterButton()) {
            button->Click();
            return;
        }
    } else if (key == VK_ESCAPE) {
        if (TButton* cancel = FindCancelButton(*this)) {
            cancel->Click();
            return;
        }
    } else if (IsMnemonicKey(key, shift) && !TextFieldFocused()) {
        // Dialogs take their buttons' underlined letters without Alt.
        if (PressMnemonic(*this, *Peer(), key))
            return;
    }
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

bool TForm::TextFieldFocused() const {
    // Text fields take input methods; buttons and check boxes do not.
    const QWidget* focus = Peer()->focusWidget();
    return focus && focus->testAttribute(Qt::WA_InputMethodEnabled);
}

void TForm::KeyUp(int& key, unsigned shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

} // namespace orv
