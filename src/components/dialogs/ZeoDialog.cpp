// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZeoDialog.h"
#include "components/ComponentTexts.h"

#include "AboutF.h"
#include "YesNoF.h"
#include "framework/app/Application.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Label.h"
#include "framework/texts/Exceptions.h"

namespace orv {
namespace {

// Releases the dialog's form however Execute leaves.
class ReleaseGuard {
public:
    explicit ReleaseGuard(TForm& form) : form_(form) {}
    ReleaseGuard(const ReleaseGuard&) = delete;
    ReleaseGuard& operator=(const ReleaseGuard&) = delete;
    ~ReleaseGuard() { form_.Release(); }

private:
    TForm& form_;
};

template <typename Form, typename Dialog> int RunForm(Dialog& dialog) {
    auto* form = new Form(&Application());
    const ReleaseGuard release(*form);
    dialog.ApplyToForm(*form);
    return form->ShowModal();
}

} // namespace

unsigned BeepCode(TBeepType type) {
    switch (type) {
    case btInformation:
        return MB_ICONASTERISK;
    case btWarning:
        return MB_ICONEXCLAMATION;
    case btQuestion:
        return MB_ICONQUESTION;
    case btSystemError:
        return MB_ICONHAND;
    case btDefault:
        break;
    }
    return MB_OK;
}

TBaseDialog::TBaseDialog(TComponent* owner) : TComponent(owner) {}

void TBaseDialog::ApplyToForm(TForm& form) {
    if (PositionEnabled) {
        form.SetPosition(TPosition::poDesigned);
        form.SetLeft(FormLeft);
        form.SetTop(FormTop);
    } else if (FormCentering) {
        const TSize screen = Application().ScreenSize();
        form.SetPosition(TPosition::poDesigned);
        form.SetLeft((screen.cx - FormWidth) / 2);
        form.SetTop((screen.cy - FormHeight) / 2);
    }
    form.SetWidth(FormWidth);
    form.SetHeight(FormHeight);
    form.SetCaption(FormCaption);
    if (BeepEnabled)
        Application().Sound().MessageBeep(BeepCode(BeepType));
}

TBaseMessageDialog::TBaseMessageDialog(TComponent* owner) : TBaseDialog(owner) {
    FormHeight = 100;
}

TYesNoDialog::TYesNoDialog(TComponent* owner) : TBaseMessageDialog(owner) {
    BeepEnabled = false;
    BeepType = btQuestion;
    FormWidth = 240;
    FormCaption = ComponentTexts::Confirm;
    FormMessage = Tr(ComponentTexts::ExecuteQuestion);
    YesButtonCaption = Tr(ComponentTexts::Yes);
    NoButtonCaption = Tr(ComponentTexts::No);
    YesButtonHint = Tr(ComponentTexts::YesHint);
    NoButtonHint = Tr(ComponentTexts::NoHint);
    ButtonShowHint = true;
    ButtonWidth = 64;
}

void TYesNoDialog::ApplyToForm(TForm& form) {
    auto& yesNo = CheckedCast<TYesNoForm>(form);
    yesNo.MessageLabel->SetCaption(FormMessage);
    yesNo.YesButton->SetCaption(YesButtonCaption);
    yesNo.NoButton->SetCaption(NoButtonCaption);
    yesNo.YesButton->SetHint(YesButtonHint);
    yesNo.NoButton->SetHint(NoButtonHint);
    for (TButton* button : {yesNo.YesButton, yesNo.NoButton}) {
        button->SetShowHint(ButtonShowHint);
        button->SetWidth(ButtonWidth);
    }
    yesNo.SetActiveControl(DefaultButton == ynYes ? yesNo.YesButton : yesNo.NoButton);
    yesNo.YesButton->SetCancel(CancelButton == ynYes);
    yesNo.NoButton->SetCancel(CancelButton == ynNo);
    TBaseMessageDialog::ApplyToForm(form);
}

bool TYesNoDialog::Execute() {
    return RunForm<TYesNoForm>(*this) == mrYes;
}

TAboutDialog::TAboutDialog(TComponent* owner) : TBaseDialog(owner) {
    BeepEnabled = false;
    BeepType = btInformation;
    FormWidth = 240;
    FormHeight = 196;
    FormCaption = ComponentTexts::AboutCaption;
    OkButtonCaption = Tr(ComponentTexts::AboutOk);
    OkButtonHint = Tr(ComponentTexts::AboutOkHint);
    ButtonShowHint = true;
    ButtonWidth = 56;
    VersionCaption = kDefaultVersion;
    MakerCaption = kDefaultMaker;
    YearCaption = kDefaultYear;
}

void TAboutDialog::ApplyToForm(TForm& form) {
    auto& about = CheckedCast<TAboutForm>(form);
    about.OKButton->SetCaption(OkButtonCaption);
    about.OKButton->SetHint(OkButtonHint);
    about.OKButton->SetShowHint(ButtonShowHint);
    about.OKButton->SetWidth(ButtonWidth);
    about.Name1Label->SetCaption(Name1Caption);
    about.Name2Label->SetCaption(Name2Caption);
    about.Name3Label->SetCaption(Name3Caption);
    about.VersionLabel->SetCaption(VersionCaption);
    about.MakerLabel->SetCaption(MakerCaption);
    about.YearLabel->SetCaption(YearCaption);
    about.SetPictures(programPicture_, makerPicture_);
    TBaseDialog::ApplyToForm(form);
}

bool TAboutDialog::Execute() {
    const int result = RunForm<TAboutForm>(*this);
    return result == mrOk || result == mrCancel;
}

} // namespace orv
