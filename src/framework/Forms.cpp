// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Forms.h"

#include "Application.h"
#include "Desktop.h"
#include "FormWidget.h"
#include "Keys.h"
#include "Menus.h"
#include "Peers.h"
#include "StdCtrls.h"
#include "TitleBar.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    auto peer = std::make_unique<FormWidget>(*this);
    client_ = new QWidget(peer.get()); // owned by the peer (Qt parent)
    AttachPeer(std::move(peer));
    if (TApplication::Exists())
        Application().FormCreated(*this);
}

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

void TForm::SetBounds(int left, int top, int width, int height) {
    const bool outer = sizing_;
    sizing_ = true;
    TWinControl::SetBounds(left, top, width, height);
    MoveFrame(left, top);
    PlaceClient();
    sizing_ = outer;
}

// A form's bounds are its frame's. Qt's widget keeps the frame it saw at its
// last move and misses one that the window manager adds later, so a window
// that exists is placed and read through its window, which asks afresh. A
// window placed this way just before it shows also asks the window manager
// to keep its frame's corner where it is put.
void TForm::MoveFrame(int left, int top) {
    if (QWindow* window = Peer()->windowHandle())
        window->setFramePosition({left, top});
    else
        Peer()->move(left, top);
}

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

bool TForm::Showing() const {
    return Peer()->isVisible();
}

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

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && modalLoop_)
        modalLoop_->quit();
}

void TForm::Release() {
    if (TApplication::Exists())
        Application().ReleaseLater(*this);
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
