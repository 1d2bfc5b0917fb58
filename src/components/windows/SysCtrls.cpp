// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SysCtrls.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

namespace orv {
namespace {

TForm& OwnerForm(TComponent* owner) {
    auto* form = dynamic_cast<TForm*>(owner);
    if (!form)
        throw EAnimateFormError("Owner must be a form");
    // The main form is the first form created, and it already is one while
    // its own components are being built.
    const TForm* main = Application().MainForm();
    if (main && main != form)
        throw EAnimateFormError("AnimateForm must be placed in a main form");
    return *form;
}

} // namespace

TAnimateForm::TAnimateForm(TComponent* owner) : TComponent(owner), form_(&OwnerForm(owner)) {
    // The main window exists from here on, so components made after this one
    // (the window manager) see no creation of it.
    form_->Handle();
    minimized_ = form_->WindowState() == TWindowState::wsMinimized;
    windowStateChange_ =
        form_->OnWindowStateChange.Subscribe([this](TObject*) { FormWindowStateChange(); });
}

void TAnimateForm::FormWindowStateChange() {
    const bool minimized = form_->WindowState() == TWindowState::wsMinimized;
    // The desktop may report a state more than once; only a change counts.
    if (minimized != minimized_) {
        minimized_ = minimized;
        if (minimized)
            Minimized();
        else
            Restored();
    }
}

void TAnimateForm::Minimized() {
    Application().Sound().PlayEvent("Minimize");
    if (Application().OnMinimize)
        Application().OnMinimize(&Application());
}

void TAnimateForm::Restored() {
    Application().Sound().PlayEvent("RestoreUp");
}

} // namespace orv
