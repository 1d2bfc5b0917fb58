// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/WindowHook.h"

#include <cstdint>
#include <deque>
#include <memory>

class QObject;
class QTimer;

namespace orv {

class TApplication;
class TForm;
class TGrabWatch;

// Follows the activation between the program's windows for the window
// hooks, and tells when the player has gone to another program.
//
// Activation reaches the hooks a moment late, so that the button press that
// caused it (it may arrive just after) is known by then. The hooks see the
// forms as they were before it: the open-forms order and the active-form
// change follow them. A button held at that moment (asked of the X server)
// makes it an activation by mouse too: a press on a title bar reaches no form.
//
// Activation moves between the program's windows through a passing moment in
// which none of them is active. The window that lost it is kept until the
// next activation names it as the previous one; a loss that no activation of
// ours follows within kLeaveSettleMs means the player left, and the active
// form becomes none.
//
// The application's own state (active or not, as the desktop reports it)
// says the same for pausing: a loss of it that lasts kDeactivationDelayMs
// raises the application's OnDeactivate.
//
// A keyboard grab takes the focus from our window while it lasts and gives
// it back at its end (an X11 window manager holds the keyboard while the
// player moves a window): what Qt reports of it is neither a loss nor an
// activation. A loss reported during a grab is held; the same window's
// return after it is dropped with it, and a real change of the focus lets
// it go on as a loss.
class TActivationTracker {
public:
    explicit TActivationTracker(TApplication& application);
    ~TActivationTracker();
    TActivationTracker(const TActivationTracker&) = delete;
    TActivationTracker& operator=(const TActivationTracker&) = delete;

    static constexpr int kLeaveSettleMs = 400;
    // Long enough for the focus to pass from a closing dialog to the window
    // below it, short enough that a game pauses before the player looks back.
    static constexpr int kDeactivationDelayMs = 250;

    TForm* ActiveForm() const { return activeForm_; }
    // Reported by the program's windows: a form's, or another window of the
    // program's own, such as a message box (whose activation names the form
    // under it as the previous window, which stays the active form).
    void FormActivated(TForm& form);
    void FormDeactivated(TForm& form);
    void OtherWindowActivated();
    void OtherWindowDeactivated();
    void MousePressedOn(THandle window);
    void FormDestroyed(TForm& form);

    // The form that lost the activation when no activation has answered the
    // loss yet; none otherwise (and for a message box, or a form gone since).
    TForm* UnansweredLoser() const { return lossPending_ ? losing_ : nullptr; }
    // Tells the hooks every activation still waiting, now.
    void RaisePending();

    void ApplicationStateChanged(bool active);
    // Reported from the window system's own focus events on our windows.
    void KeyboardGrabbed();
    void FocusCameBack();
    void FocusLeftForReal();
    bool DeactivationPending() const { return deactivationPending_; }
    void SettleDeactivation();

private:
    struct TPendingActivation {
        THandle Window = kNoWindow;
        THandle Previous = kNoWindow;
        std::int64_t When = 0;
        bool ButtonHeld = false;
    };
    bool RaisesHooks() const;
    void WindowLost(TForm* form);
    THandle TakePrevious(const TForm* gaining);
    void QueueActivation(THandle window, THandle previous);
    void PlayerLeft();
    void RaiseNext();
    void Raise(const TPendingActivation& activation);
    bool ReturnFromGrab(const TForm* form);
    void ReleaseHeldLoss();

    TApplication& application_;
    // Owns the tracker's timers, so that none fires after it is gone.
    std::unique_ptr<QObject> context_;
    std::unique_ptr<QTimer> deactivation_;
    TForm* activeForm_ = nullptr;
    bool lossPending_ = false;
    TForm* losing_ = nullptr;
    std::uint64_t lossSerial_ = 0;
    std::deque<TPendingActivation> pending_;
    THandle lastPressWindow_ = kNoWindow;
    std::int64_t lastPressTime_ = 0;
    bool active_ = false;
    bool deactivationPending_ = false;
    std::unique_ptr<TGrabWatch> grabWatch_;
    bool grabbed_ = false;
    // A loss during a grab: of the form, or of another window (null).
    bool lossHeld_ = false;
    TForm* heldLoser_ = nullptr;
    bool applicationLossHeld_ = false;
};

} // namespace orv
