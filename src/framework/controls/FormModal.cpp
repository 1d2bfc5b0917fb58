// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form shown modally: its own event loop, run until a modal result is set.

#include "framework/controls/Forms.h"

#include "framework/app/Application.h"
#include "framework/internal/Peers.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>
#include <QWindow>

namespace orv {

// The desktop keeps a dialog above the window it belongs to, gives the two
// one task-bar entry, and minimises and restores them together.
void TForm::BelongToOpener() {
    QWidget* window = Peer();
    QWidget* opener = OpenerWindow(*window);
    if (!opener || window->isVisible())
        return;
    if (window->windowType() != Qt::Dialog)
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->winId(); // the window system's window, to name its opener on
    window->windowHandle()->setTransientParent(opener->windowHandle());
}

int TForm::ShowModal() {
    modalResult_ = mrNone;
    modal_ = true;
    BelongToOpener();
    Peer()->setWindowModality(Qt::ApplicationModal);
    Show();
    Peer()->activateWindow();
    if (TApplication::Exists() && Application().ModalHook()) {
        // Tests answer the form here instead of a person.
        Application().ModalHook()(*this);
    } else {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec();
        modalLoop_ = nullptr;
    }
    modal_ = false;
    Hide();
    Peer()->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && modalLoop_)
        modalLoop_->quit();
}

QWidget* OpenerWindow(const QWidget& opening) {
    QWidget* active = QApplication::activeWindow();
    if (active && active != &opening)
        return active;
    if (!TApplication::Exists())
        return nullptr;
    const TForm* form = Application().ActiveForm();
    if (!form || form->Peer() == &opening || !form->Showing())
        form = Application().MainForm();
    if (!form || form->Peer() == &opening || !form->Showing())
        return nullptr;
    return form->Peer();
}

} // namespace orv
