#pragma once

#include "framework/Component.h"
#include "framework/Exceptions.h"

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
    ~TAnimateForm() override;

private:
    // Sits in front of the form's own window-state handler, which it calls
    // afterwards.
    void FormWindowStateChange(TObject* sender);
    void Minimized();
    void Restored();

    TForm* form_ = nullptr;
    TNotifyEvent previous_;
    bool minimized_ = false;
};

} // namespace orv
