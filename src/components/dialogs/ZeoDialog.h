// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"
#include "framework/drawing/Picture.h"
#include "framework/texts/Text.h"

#include <cstdint>
#include <string>

namespace orv {

class TForm;

enum TBeepType : std::uint8_t { btDefault, btInformation, btWarning, btQuestion, btSystemError };
enum TYesNoButtonSelect : std::uint8_t { ynYes, ynNo };

// A dialog component: configured through its fields, shown with Execute,
// which makes a fresh form, copies the settings onto it (ApplyToForm), shows
// it modally and releases it.
class TBaseDialog : public TComponent {
public:
    explicit TBaseDialog(TComponent* owner);

    // Places, sizes, captions the form and sounds the beep; subclasses set up
    // their own controls first and then call this.
    virtual void ApplyToForm(TForm& form);
    virtual bool Execute() { return false; }

    bool BeepEnabled = false;
    TBeepType BeepType = btDefault;
    int FormLeft = 0;
    int FormTop = 0;
    int FormWidth = 0;
    int FormHeight = 0;
    // The form's identity as well as its title: what window hooks and the
    // window manager know it by stays the source text in every language.
    TText FormCaption;
    bool ButtonShowHint = false;
    int ButtonWidth = 0;
    bool PositionEnabled = true;
    bool FormCentering = false;
};

class TBaseMessageDialog : public TBaseDialog {
public:
    explicit TBaseMessageDialog(TComponent* owner);
    std::string FormMessage;
};

// Asks a yes/no question; Execute is true exactly when the answer was yes.
class TYesNoDialog : public TBaseMessageDialog {
public:
    explicit TYesNoDialog(TComponent* owner);

    void ApplyToForm(TForm& form) override;
    bool Execute() override;

    std::string YesButtonCaption;
    std::string NoButtonCaption;
    std::string YesButtonHint;
    std::string NoButtonHint;
    TYesNoButtonSelect DefaultButton = ynYes;
    TYesNoButtonSelect CancelButton = ynYes;
};

// The about box: the program's and the maker's pictures beside six lines.
class TAboutDialog : public TBaseDialog {
public:
    // The lines a new box shows; the maker's words, the same in every
    // language.
    static constexpr const char* kDefaultVersion = "Ver1.00";
    static constexpr const char* kDefaultMaker = "STUDIO ZEO PRESENTS";
    static constexpr const char* kDefaultYear = "(C) XXXX-XXXX";

    explicit TAboutDialog(TComponent* owner);

    void ApplyToForm(TForm& form) override;
    // True when the box was closed with OK, Esc or its close box.
    bool Execute() override;

    std::string OkButtonCaption;
    std::string OkButtonHint;
    std::string Name1Caption;
    std::string Name2Caption;
    std::string Name3Caption;
    std::string VersionCaption;
    std::string MakerCaption;
    std::string YearCaption;
    // Owned; setting one copies the given picture.
    TPicture& ProgramPicture() { return programPicture_; }
    void SetProgramPicture(const TPicture& picture) { programPicture_.Assign(picture); }
    TPicture& MakerPicture() { return makerPicture_; }
    void SetMakerPicture(const TPicture& picture) { makerPicture_.Assign(picture); }

private:
    TPicture programPicture_;
    TPicture makerPicture_;
};

// The message beep code of a beep type.
unsigned BeepCode(TBeepType type);

} // namespace orv
