// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Forms.h"

#include "framework/app/Application.h"
#include "framework/internal/FormWidget.h"
#include "framework/internal/Peers.h"

#include <QEventLoop>
#include <QWidget>

namespace orv {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    auto peer = std::make_unique<FormWidget>(*this);
    client_ = new QWidget(peer.get()); // owned by the peer (Qt parent)
    AttachPeer(std::move(peer));
    if (TApplication::Exists())
        Application().FormCreated(*this);
}

TForm::~TForm() {
    // Controls going away move the focus; the form is no longer whole, and
    // the active control may be gone already.
    static_cast<FormWidget*>(Peer())->StopWatchingFocus();
    if (modalLoop_)
        modalLoop_->quit();
    DestroyComponents();
    if (!TApplication::Exists())
        return;
    if (HandleAllocated() && RaisesWindowEvents())
        Application().WindowHooks().RaiseDestroying(handle_);
    Application().FormDestroyed(*this);
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    Peer()->setWindowTitle(QString::fromStdString(caption));
}

void TForm::SetCaption(const TText& caption) {
    caption_ = caption.Source;
    Peer()->setWindowTitle(QString::fromStdString(Tr(caption)));
}

std::string TForm::ShownCaption() const {
    return Peer()->windowTitle().toStdString();
}

void TForm::Show() {
    // Forms lay themselves out when they first appear.
    if (!shownOnce_) {
        shownOnce_ = true;
        Resize();
        const TForm* main = TApplication::Exists() ? Application().MainForm() : nullptr;
        if (position_ == TPosition::poMainFormCenter && main && main != this)
            SetBounds(main->Left() + (main->Width() - Width()) / 2,
                      main->Top() + (main->Height() - Height()) / 2, Width(), Height());
    }
    Handle();
    // The menu bar's height is known for sure only now, with its font and
    // style settled.
    PlaceClient();
    Peer()->show();
    if (activeControl_)
        activeControl_->SetFocus();
    MarkDefaultButton();
}

bool TForm::Showing() const {
    return Peer()->isVisible();
}

TWindowState TForm::WindowState() const {
    const Qt::WindowStates state = Peer()->windowState();
    if (state & Qt::WindowMinimized)
        return TWindowState::wsMinimized;
    if (state & Qt::WindowMaximized)
        return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
    Qt::WindowStates qtState = Peer()->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == TWindowState::wsMinimized)
        qtState |= Qt::WindowMinimized;
    else if (state == TWindowState::wsMaximized)
        qtState |= Qt::WindowMaximized;
    Peer()->setWindowState(qtState);
}

void TForm::Release() {
    if (TApplication::Exists())
        Application().ReleaseLater(*this);
}

void TForm::Hide() {
    Peer()->hide();
}

void TForm::Close() {
    Peer()->close();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::FinishLoading() {
    try {
        Loaded();
        // A Loaded step may add components: walk a copy of the list as it was.
        const auto components = Components();
        for (TComponent* component : components)
            component->Loaded();
        for (TComponent* component : components)
            component->FormLoaded();
    } catch (...) {
        // The form's constructor is failing: its components go now, while
        // the handlers they hold still find the whole form.
        DestroyComponents();
        throw;
    }
}

void TForm::ColorChanged() {
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window,
                     QColor(GetRValue(Color()), GetGValue(Color()), GetBValue(Color())));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
    client_->update();
}

void TForm::Resize() {
    if (OnResize)
        OnResize(this);
}

} // namespace orv
