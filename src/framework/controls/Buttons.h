// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Controls.h"

#include <string>

namespace orv {

// A push button. Clicking runs OnClick, then closes its form with the
// button's ModalResult when that is not 0.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The caption as shown: shortened with "…" where the button is too narrow.
    std::string ShownCaption() const;
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // Esc presses the form's cancel button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

    void Click();
    TNotifyEvent OnClick;
    bool DialogChar(int key) override;

private:
    std::string caption_;
    int modalResult_ = 0;
    bool cancel_ = false;
};

// A check box. Every change of Checked, by the user or by code, runs OnClick.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The caption as shown: shortened with "…" where the box is too narrow.
    std::string ShownCaption() const;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    TNotifyEvent OnClick;
    bool DialogChar(int key) override;

private:
    std::string caption_;
    bool checked_ = false;
};

} // namespace orv
