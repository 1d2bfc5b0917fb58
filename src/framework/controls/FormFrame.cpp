// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's frame: its bounds, menu bar, title bar and border style, and the
// client area laid out inside them.

#include "framework/controls/Forms.h"

#include "framework/app/Application.h"
#include "framework/app/Desktop.h"
#include "framework/controls/Menus.h"
#include "framework/internal/Peers.h"
#include "framework/internal/TitleBar.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace orv {

void TForm::SetBounds(int left, int top, int width, int height) {
    const bool outer = sizing_;
    sizing_ = true;
    TWinControl::SetBounds(left, top, width, height);
    MoveFrame(left, top);
    PlaceClient();
    sizing_ = outer;
}

// A form's bounds are its frame's. Qt's widget places a window that exists
// by the frame it saw last, none before the window manager framed it, and
// so put the client area where the frame belongs. Placed by its frame's
// corner, the window also asks the window manager, as it shows, to keep that
// corner where it is put.
void TForm::MoveFrame(int left, int top) {
    if (QWindow* window = Peer()->windowHandle())
        window->setFramePosition({left, top});
    else
        Peer()->move(left, top);
}

// Where the frame is: on X11 as the X server has it at this moment.
TPoint TForm::FramePosition() const {
    if (const std::optional<TPoint> native = X11FramePosition(Peer()->internalWinId())) {
        // The X server counts device pixels; a scaled program counts its own
        // from its screen's corner, as Qt does.
        const QPointF origin = Peer()->screen()->geometry().topLeft();
        const QPointF frame =
            origin + (QPointF(native->X, native->Y) - origin) / Peer()->devicePixelRatioF();
        return {qRound(frame.x()), qRound(frame.y())};
    }
    const QWindow* window = Peer()->windowHandle();
    const QPoint frame = window ? window->framePosition() : Peer()->pos();
    return {frame.x(), frame.y()};
}

void TForm::SetMenu(TMainMenu* menu) {
    menu_ = menu;
    if (!menuBar_) {
        menuBar_ = new QMenuBar(Peer()); // owned by the window (Qt parent)
        menuBar_->setNativeMenuBar(false);
    }
    menuBar_->setVisible(menu_ != nullptr);
    if (menu_) {
        menu_->Fill(*menuBar_);
        LeaveMenuBarWithMenus();
    }
    SetBounds(Left(), Top(), Width(), Height() + (menu_ ? kMenuHeight : 0));
}

// A menu closed with Esc leaves Qt's bar holding the focus to walk it by
// keyboard, unseen, and the next Esc would only end that: the bar lets the
// focus go as its menu closes, so Esc is the form's again.
void TForm::LeaveMenuBarWithMenus() {
    QMenuBar* bar = menuBar_;
    for (const QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            QObject::connect(menu, &QMenu::aboutToHide, bar, [bar] {
                QMetaObject::invokeMethod(
                    bar,
                    [bar] {
                        if (bar->hasFocus() && !QApplication::activePopupWidget())
                            bar->clearFocus();
                    },
                    Qt::QueuedConnection);
            });
    }
}

// The client area keeps its size; the window grows by whatever height the
// menu bar really has on this desktop, and by the program's own title bar.
void TForm::PlaceClient() {
    const int barHeight = TitleHeight() + BarHeight();
    const int width = std::max(0, ClientWidth());
    const int height = std::max(0, ClientHeight());
    LayOutClient();
    const bool outer = sizing_;
    sizing_ = true;
    if (borderStyle_ == TFormBorderStyle::bsSizeable)
        Peer()->resize(width, barHeight + height);
    else
        Peer()->setFixedSize(width, barHeight + height);
    sizing_ = outer;
}

int TForm::BarHeight() const {
    return menu_ ? menuBar_->sizeHint().height() : 0;
}

int TForm::TitleHeight() const {
    return titleBar_ && !titleBar_->isHidden() ? titleBar_->sizeHint().height() : 0;
}

void TForm::LayOutClient() {
    const int titleHeight = TitleHeight();
    const int barHeight = BarHeight();
    const int width = std::max(0, ClientWidth());
    if (menuBar_)
        menuBar_->setGeometry(0, titleHeight, width, barHeight);
    client_->setGeometry(0, titleHeight + barHeight, width, std::max(0, ClientHeight()));
}

// The program's own title bar offers what the border style allows.
void TForm::ShowTitleBar(bool own) {
    const TTitleButtons buttons{borderStyle_ != TFormBorderStyle::bsDialog,
                                borderStyle_ == TFormBorderStyle::bsSizeable, true};
    if (own && !titleBar_)
        titleBar_ = new TTitleBar(*Peer(), buttons); // owned by the window (Qt parent)
    else if (own)
        titleBar_->SetButtons(buttons);
    if (titleBar_)
        titleBar_->setVisible(own);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    Qt::WindowFlags flags = Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style == TFormBorderStyle::bsSingle)
        flags |= Qt::WindowMinimizeButtonHint;
    else if (style == TFormBorderStyle::bsDialog)
        flags = (flags & ~Qt::Window) | Qt::Dialog;
    else
        flags |= Qt::WindowMinMaxButtonsHint;
    // A title hint would ask the desktop for its title bar even on a
    // frameless window.
    const bool own = TApplication::Exists() && Application().OwnTitleBars();
    flags |= own ? Qt::WindowFlags(Qt::FramelessWindowHint)
                 : Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    Peer()->setWindowFlags(flags);
    ShowTitleBar(own);
    if (style == TFormBorderStyle::bsSizeable) {
        Peer()->setMinimumSize(0, 0);
        Peer()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    PlaceClient();
}

// A title bar may offer to maximise a window that has no maximise box:
// Wayland's client-side one always does, and some X11 window managers draw
// the button disabled. Such a window is put back as it was.
bool TForm::RefuseMaximize() {
    QWidget* window = Peer();
    if (!(window->windowState() & Qt::WindowMaximized) ||
        (window->windowFlags() & Qt::WindowMaximizeButtonHint))
        return false;
    QMetaObject::invokeMethod(
        window, [window] { window->setWindowState(window->windowState() & ~Qt::WindowMaximized); },
        Qt::QueuedConnection);
    return true;
}

} // namespace orv
