// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"
#include "framework/core/Event.h"
#include "framework/texts/Exceptions.h"

namespace orv {

class TForm;

// A TAnimateForm that cannot do its work where it was put.
class EAnimateFormError : public Exception {
public:
    using Exception::Exception;
};

// Gives minimising and restoring the main window the desktop's sounds and
// raises the application's minimise notification. The desktop animates the
// window itself, whichever way it was minimised (title bar, task bar, window
// manager), so nothing here moves or resizes anything.
class TAnimateForm : public TComponent {
public:
    // The owner must be the main form: the first form the program creates.
    explicit TAnimateForm(TComponent* owner);

private:
    // Added after the form's own window-state handlers, so it runs before
    // them.
    void FormWindowStateChange();
    void Minimized();
    void Restored();

    TForm* form_ = nullptr;
    bool minimized_ = false;
    TEventSubscription windowStateChange_;
};

} // namespace orv
