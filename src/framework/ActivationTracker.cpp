#include "ActivationTracker.h"

#include "Application.h"
#include "Forms.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>

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

TActivationTracker::TActivationTracker(TApplication& application)
    : application_(application), context_(std::make_unique<QObject>()),
      deactivation_(std::make_unique<QTimer>()) {
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
}

void TActivationTracker::WindowLost(TForm* form) {
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

void TActivationTracker::SettleDeactivation() {
    if (!deactivationPending_)
        return;
    deactivationPending_ = false;
    deactivation_->stop();
    if (application_.OnDeactivate)
        application_.OnDeactivate(&application_);
}

} // namespace orv
