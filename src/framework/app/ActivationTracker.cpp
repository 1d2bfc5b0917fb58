// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/ActivationTracker.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

namespace orv {
namespace {

// How long after an activation a button press on the activated window still
// counts as its cause, and how long the hooks wait to learn of it.
constexpr int kActivationDelayMs = 60;
constexpr std::int64_t kPressBeforeActivationMs = 150;

std::int64_t NowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

} // namespace

// Reads the mode of X11's focus events on our windows, which Qt does not
// pass on: whether a grab took the focus or gave it back.
class TGrabWatch final : public QAbstractNativeEventFilter {
public:
    explicit TGrabWatch(TActivationTracker& tracker) : tracker_(tracker) {
        qApp->installNativeEventFilter(this);
    }
    ~TGrabWatch() override { qApp->removeNativeEventFilter(this); }
    TGrabWatch(const TGrabWatch&) = delete;
    TGrabWatch& operator=(const TGrabWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type != XCB_FOCUS_IN && type != XCB_FOCUS_OUT)
            return false;
        // Focus-in and focus-out events are laid out alike.
        const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
        // Events about where the pointer is say nothing of our window's focus.
        if (focus->detail >= XCB_NOTIFY_DETAIL_POINTER || !QWidget::find(focus->event))
            return false;
        // A grab's own window (a menu of ours) gets the other half of each
        // pair: a focus-in as the grab starts, a focus-out as it ends.
        if (type == XCB_FOCUS_OUT && focus->mode == XCB_NOTIFY_MODE_GRAB)
            tracker_.KeyboardGrabbed();
        else if (type == XCB_FOCUS_OUT && focus->mode != XCB_NOTIFY_MODE_UNGRAB)
            tracker_.FocusLeftForReal();
        else if (type == XCB_FOCUS_IN && focus->mode != XCB_NOTIFY_MODE_GRAB)
            tracker_.FocusCameBack();
        return false;
    }

private:
    TActivationTracker& tracker_;
};

TActivationTracker::TActivationTracker(TApplication& application)
    : application_(application), context_(std::make_unique<QObject>()),
      deactivation_(std::make_unique<QTimer>()), grabWatch_(std::make_unique<TGrabWatch>(*this)) {
    deactivation_->setSingleShot(true);
    deactivation_->setInterval(kDeactivationDelayMs);
    QObject::connect(deactivation_.get(), &QTimer::timeout, [this] { SettleDeactivation(); });
    active_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, context_.get(),
                     [this](Qt::ApplicationState state) {
                         ApplicationStateChanged(state == Qt::ApplicationActive);
                     });
}

TActivationTracker::~TActivationTracker() = default;

bool TActivationTracker::RaisesHooks() const {
    return application_.WindowPlacementSupported() && !application_.WindowHooks().Empty();
}

void TActivationTracker::FormActivated(TForm& form) {
    if (ReturnFromGrab(&form))
        return;
    const bool sameAgain = lossPending_ && losing_ == &form;
    const THandle previous = TakePrevious(&form);
    activeForm_ = &form;
    if (!RaisesHooks() || sameAgain) {
        // The same form back within a moment: no change between windows.
        application_.ActivationSettled(form);
        return;
    }
    QueueActivation(form.Handle(), previous);
}

void TActivationTracker::FormDeactivated(TForm& form) {
    WindowLost(&form);
}

void TActivationTracker::OtherWindowActivated() {
    if (ReturnFromGrab(nullptr))
        return;
    const THandle previous = TakePrevious(nullptr);
    if (RaisesHooks() && previous != kNoWindow)
        QueueActivation(kNoWindow, previous);
}

void TActivationTracker::OtherWindowDeactivated() {
    WindowLost(nullptr);
}

void TActivationTracker::MousePressedOn(THandle window) {
    lastPressWindow_ = window;
    lastPressTime_ = NowMs();
}

void TActivationTracker::FormDestroyed(TForm& form) {
    if (form.HandleAllocated() && lastPressWindow_ == form.Handle())
        lastPressWindow_ = kNoWindow;
    if (activeForm_ == &form)
        activeForm_ = nullptr;
    if (losing_ == &form)
        losing_ = nullptr;
    if (heldLoser_ == &form) {
        heldLoser_ = nullptr;
        lossHeld_ = false;
    }
}

void TActivationTracker::WindowLost(TForm* form) {
    if (grabbed_) {
        lossHeld_ = true;
        heldLoser_ = form;
        return;
    }
    lossPending_ = true;
    losing_ = form;
    const std::uint64_t serial = ++lossSerial_;
    QTimer::singleShot(kLeaveSettleMs, context_.get(), [this, serial] {
        if (lossPending_ && serial == lossSerial_)
            PlayerLeft();
    });
}

// The window that lost activation to this one. Without a loss reported
// first (a test, or the first activation), the active form.
THandle TActivationTracker::TakePrevious(const TForm* gaining) {
    TForm* previous = lossPending_ ? losing_ : activeForm_;
    const bool answered = lossPending_;
    lossPending_ = false;
    losing_ = nullptr;
    if (answered)
        application_.ReleaseSoon();
    if (!previous || previous == gaining || !previous->HandleAllocated())
        return kNoWindow;
    return previous->Handle();
}

void TActivationTracker::QueueActivation(THandle window, THandle previous) {
    pending_.push_back({window, previous, NowMs(), application_.Cursor().ButtonHeld()});
    QTimer::singleShot(kActivationDelayMs, context_.get(), [this] { RaiseNext(); });
}

// No window of ours took the activation: the player is in another program.
void TActivationTracker::PlayerLeft() {
    lossPending_ = false;
    losing_ = nullptr;
    application_.ReleaseNow();
    if (activeForm_) {
        activeForm_ = nullptr;
        application_.ActiveFormChanged();
    }
}

void TActivationTracker::RaisePending() {
    while (!pending_.empty())
        RaiseNext();
}

// A release may have raised it already.
void TActivationTracker::RaiseNext() {
    if (pending_.empty())
        return;
    const TPendingActivation next = pending_.front();
    pending_.pop_front();
    Raise(next);
}

// kNoWindow: a window of ours that is no form (a message box) took it.
void TActivationTracker::Raise(const TPendingActivation& activation) {
    const THandle window = activation.Window;
    if (window != kNoWindow && !application_.FindWindow(window))
        return;
    const bool pressed = lastPressWindow_ == window && window != kNoWindow &&
                         lastPressTime_ >= activation.When - kPressBeforeActivationMs;
    application_.WindowHooks().RaiseActivating(window, pressed || activation.ButtonHeld,
                                               activation.Previous);
    if (TForm* form = application_.FindWindow(window))
        application_.ActivationSettled(*form);
}

void TActivationTracker::ApplicationStateChanged(bool active) {
    if (!active && grabbed_ && active_) {
        applicationLossHeld_ = true;
        return;
    }
    if (active && applicationLossHeld_) {
        applicationLossHeld_ = false;
        return;
    }
    if (active) {
        active_ = true;
        deactivationPending_ = false;
        deactivation_->stop();
    } else if (active_) {
        active_ = false;
        deactivationPending_ = true;
        deactivation_->start();
    }
}

void TActivationTracker::KeyboardGrabbed() {
    grabbed_ = true;
}

// The activation Qt reports next, if it brings back the window that lost
// the focus to the grab, is dropped with the held loss.
void TActivationTracker::FocusCameBack() {
    grabbed_ = false;
}

void TActivationTracker::FocusLeftForReal() {
    ReleaseHeldLoss();
}

// form is null for a window of ours that is no form.
bool TActivationTracker::ReturnFromGrab(const TForm* form) {
    if (!lossHeld_)
        return false;
    if (heldLoser_ != form) {
        ReleaseHeldLoss();
        return false;
    }
    lossHeld_ = false;
    heldLoser_ = nullptr;
    return true;
}

// The grab is over for us, whether or not its end was seen.
void TActivationTracker::ReleaseHeldLoss() {
    grabbed_ = false;
    if (lossHeld_) {
        lossHeld_ = false;
        TForm* loser = heldLoser_;
        heldLoser_ = nullptr;
        WindowLost(loser);
    }
    if (applicationLossHeld_) {
        applicationLossHeld_ = false;
        ApplicationStateChanged(false);
    }
}

void TActivationTracker::SettleDeactivation() {
    if (!deactivationPending_)
        return;
    deactivationPending_ = false;
    deactivation_->stop();
    if (application_.OnDeactivate)
        application_.OnDeactivate(&application_);
}

} // namespace orv
