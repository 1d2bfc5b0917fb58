// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orv {

class TControl;

// The application's balloon hints. When the mouse comes to rest over a
// control that shows hints, the hint appears after HintPause milliseconds and
// goes after HintHidePause milliseconds, or when the mouse leaves the
// control, a key or button is pressed, or the switch is turned off. One hint
// window serves the whole program; Qt's own tool tips never show.
class THintManager {
public:
    THintManager();
    ~THintManager();
    THintManager(const THintManager&) = delete;
    THintManager& operator=(const THintManager&) = delete;

    // The times a program starts with, which the settings form puts back.
    static constexpr int kDefaultHintPause = 500;
    static constexpr int kDefaultHintHidePause = 2500;

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }

    // The mouse is now over control (null: over nothing of ours), at a point
    // on the screen. Moving within the hint's control changes nothing, so the
    // wait runs from the moment the mouse reached it.
    void MouseOver(TControl* control, TPoint screenPos);
    // The mouse moved within the control it is over: a hint still waiting
    // appears where the mouse then rests.
    void MouseMoved(TPoint screenPos);
    // Hides the hint and forgets its control.
    void CancelHint();
    // Hides the hint but keeps its control: it shows again only once the
    // mouse has been over another control.
    void HideHint();

    // The step the manager waits for, and for how long. The timers run it in
    // the program; tests run it at once.
    enum class TStep : std::uint8_t { stNone, stShow, stHide };
    TStep PendingStep() const { return pending_; }
    int PendingDelay() const { return pendingDelay_; }
    void RunPendingStep();

    // The control whose hint is waiting or showing.
    TControl* HintControl() const;
    bool HintShowing() const;
    // The text on the screen while a hint shows.
    const std::string& HintText() const { return shownText_; }
    // Where the hint window is, in screen coordinates.
    TRect HintBounds() const;

private:
    class Impl;
    void Schedule(TStep step, int delay);
    void ShowStep();

    std::unique_ptr<Impl> impl_;
    bool showHint_ = true;
    int hintPause_ = kDefaultHintPause;
    int hintHidePause_ = kDefaultHintHidePause;
    TStep pending_ = TStep::stNone;
    int pendingDelay_ = 0;
    TPoint mousePos_;
    std::string shownText_;
};

// The control whose hint shows when the mouse is over control: the control
// itself or its nearest parent that shows hints; null when none does.
TControl* HintControlOf(TControl* control);
// The text of a control's hint: its own or, when that is empty, its nearest
// parent's; only the part before a '|'.
std::string HintTextOf(const TControl& control);

} // namespace orv
