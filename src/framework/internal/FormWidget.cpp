// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/internal/FormWidget.h"

#include "framework/app/Application.h"
#include "framework/app/Desktop.h"
#include "framework/app/Keys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace orv {
namespace {

int VirtualKeyOf(const QKeyEvent& event) {
    TKeyOrigin origin;
    origin.keypad = event.modifiers() & Qt::KeypadModifier;
    origin.shift = event.modifiers() & Qt::ShiftModifier;
    // Only X11 and Wayland give the key codes Keys.cpp knows.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        origin.scanCode = event.nativeScanCode();
    return VirtualKeyFromQt(event.key(), origin);
}

} // namespace

TForm::FormWidget::FormWidget(TForm& form) : form_(form) {
    // The form takes the keys when no control has the focus, yet never
    // takes the focus itself: a click on a title bar or on an empty part of
    // the form leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_KeyCompression, false);
    // The button Enter presses looks like the default button, wherever the
    // focus goes; Tab and clicks move the focus too, and the active control
    // follows it.
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if ((old && old->window() == this) || (now && now->window() == this))
                form_.MarkDefaultButton();
            form_.FocusMoved(now);
        });
}

void TForm::FormWidget::keyPressEvent(QKeyEvent* event) {
    int key = VirtualKeyOf(*event);
    if (key)
        form_.KeyDown(key, ShiftFromQt(event->modifiers()));
}

void TForm::FormWidget::keyReleaseEvent(QKeyEvent* event) {
    // X11 sends a release before every auto-repeated press.
    if (event->isAutoRepeat())
        return;
    int key = VirtualKeyOf(*event);
    if (key)
        form_.KeyUp(key, ShiftFromQt(event->modifiers()));
}

void TForm::FormWidget::hideEvent(QHideEvent* event) {
    form_.WindowHidden();
    QWidget::hideEvent(event);
}

void TForm::FormWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && !form_.RefuseMaximize())
        form_.OnWindowStateChange(&form_);
    QWidget::changeEvent(event);
}

bool TForm::FormWidget::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        form_.WindowMoved();
        break;
    case QEvent::LayoutRequest:
        // The menu bar's height changed with its font or style.
        form_.PlaceClient();
        break;
    case QEvent::WindowActivate:
        if (TApplication::Exists())
            Application().FormActivated(form_);
        break;
    case QEvent::WindowDeactivate:
        if (TApplication::Exists())
            Application().FormDeactivated(form_);
        break;
    default:
        break;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // The focus frame shows from the start, as on desktop dialogs, not
        // only once Tab has been pressed.
        setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focus = focusWidget())
            focus->update();
    }
    return handled;
}

void TForm::FormWidget::closeEvent(QCloseEvent* event) {
    if (!form_.CloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    if (form_.modal_) {
        form_.SetModalResult(mrCancel);
        return;
    }
    if (TApplication::Exists() && Application().MainForm() == &form_)
        Application().Terminate();
}

// A window manager frames a window, or changes its frame, without moving
// the window inside, and Qt sends no event for that: the form reads its
// place again, once for a burst of such changes.
bool TForm::FormWidget::nativeEvent(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !FrameChanged(message) || rereadQueued_)
        return false;
    rereadQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rereadQueued_ = false;
            form_.WindowMoved();
        },
        Qt::QueuedConnection);
    return false;
}

} // namespace orv
