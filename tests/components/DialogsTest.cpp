// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "Fakes.h"
#include "ModalHook.h"
#include "components/ComponentTexts.h"
#include "components/dialogs/AboutF.h"
#include "components/dialogs/YesNoF.h"
#include "components/dialogs/ZeoDialog.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Label.h"
#include "framework/drawing/Picture.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

namespace orv {
namespace {

using test::ModalAnswer;
using test::PressKey;

TYesNoForm& AsYesNo(TForm& form) {
    return dynamic_cast<TYesNoForm&>(form);
}
TAboutForm& AsAbout(TForm& form) {
    return dynamic_cast<TAboutForm&>(form);
}

TEST(YesNoDialog, StartsWithItsConstructorValues) {
    TYesNoDialog dialog(nullptr);
    EXPECT_FALSE(dialog.BeepEnabled);
    EXPECT_EQ(dialog.BeepType, btQuestion);
    EXPECT_EQ(dialog.FormWidth, 240);
    EXPECT_EQ(dialog.FormHeight, 100);
    EXPECT_STREQ(dialog.FormCaption.Source, ComponentTexts::Confirm.Source);
    EXPECT_EQ(dialog.FormMessage, Tr(ComponentTexts::ExecuteQuestion));
    EXPECT_EQ(dialog.YesButtonCaption, Tr(ComponentTexts::Yes));
    EXPECT_EQ(dialog.NoButtonHint, Tr(ComponentTexts::NoHint));
    EXPECT_TRUE(dialog.ButtonShowHint);
    EXPECT_EQ(dialog.ButtonWidth, 64);
    EXPECT_TRUE(dialog.PositionEnabled);
    EXPECT_FALSE(dialog.FormCentering);
    EXPECT_EQ(dialog.DefaultButton, ynYes);
    EXPECT_EQ(dialog.CancelButton, ynYes);
}

TEST(YesNoDialog, EveryAnswerPath) {
    TYesNoDialog dialog(nullptr);
    struct Case {
        const char* what;
        std::function<void(TForm&)> answer;
        TYesNoButtonSelect cancel;
        TYesNoButtonSelect def;
        bool expected;
    };
    const Case cases[] = {
        {"yes button", [](TForm& f) { AsYesNo(f).YesButton->Click(); }, ynYes, ynYes, true},
        {"no button", [](TForm& f) { AsYesNo(f).NoButton->Click(); }, ynYes, ynYes, false},
        {"close box", [](TForm& f) { f.Close(); }, ynYes, ynYes, false},
        {"Esc, cancel is yes", [](TForm& f) { PressKey(f, VK_ESCAPE); }, ynYes, ynYes, true},
        {"Esc, cancel is no", [](TForm& f) { PressKey(f, VK_ESCAPE); }, ynNo, ynYes, false},
        {"Enter, default yes", [](TForm& f) { PressKey(f, VK_RETURN); }, ynNo, ynYes, true},
        {"Enter, default no", [](TForm& f) { PressKey(f, VK_RETURN); }, ynNo, ynNo, false},
        {"Y without Alt", [](TForm& f) { PressKey(f, 'Y'); }, ynNo, ynNo, true},
    };
    for (const Case& c : cases) {
        ModalAnswer answer(c.answer);
        dialog.CancelButton = c.cancel;
        dialog.DefaultButton = c.def;
        EXPECT_EQ(dialog.Execute(), c.expected) << c.what;
        EXPECT_EQ(answer.shown, 1) << c.what;
    }
}

TEST(YesNoDialog, AppliesTextsHintsFocusAndCancelToItsForm) {
    TYesNoDialog dialog(nullptr);
    dialog.FormMessage = "ハイスコアを消去しますか？";
    dialog.YesButtonHint = "消去します";
    dialog.NoButtonCaption = "いや";
    dialog.DefaultButton = ynNo;
    dialog.CancelButton = ynNo;
    dialog.ButtonShowHint = false;
    TYesNoForm form(nullptr);
    dialog.ApplyToForm(form);
    EXPECT_EQ(form.MessageLabel->Caption(), "ハイスコアを消去しますか？");
    EXPECT_EQ(form.YesButton->Hint(), "消去します");
    EXPECT_EQ(form.NoButton->Caption(), "いや");
    EXPECT_FALSE(form.YesButton->ShowHint());
    EXPECT_EQ(form.ActiveControl(), form.NoButton);
    EXPECT_TRUE(form.NoButton->Cancel());
    EXPECT_FALSE(form.YesButton->Cancel());
    EXPECT_EQ(form.Caption(), ComponentTexts::Confirm.Source);
    EXPECT_EQ(form.Width(), 240);
    EXPECT_EQ(form.Height(), 100);
    EXPECT_EQ(form.ClientWidth(), 232);
    EXPECT_EQ(form.ClientHeight(), 73);
}

TEST(YesNoDialog, PlacementRules) {
    TYesNoDialog dialog(nullptr);
    Application().SetScreenSizeOverride(TSize{1024, 768});
    TYesNoForm placed(nullptr);
    dialog.FormLeft = 10;
    dialog.FormTop = 20;
    dialog.FormCentering = true; // ignored while PositionEnabled
    dialog.ApplyToForm(placed);
    EXPECT_EQ(placed.Left(), 10);
    EXPECT_EQ(placed.Top(), 20);

    TYesNoForm centred(nullptr);
    dialog.PositionEnabled = false;
    dialog.ApplyToForm(centred);
    EXPECT_EQ(centred.Left(), 392);
    EXPECT_EQ(centred.Top(), 334);

    Application().SetScreenSizeOverride(TSize{1025, 769});
    TYesNoForm odd(nullptr);
    dialog.ApplyToForm(odd);
    EXPECT_EQ(odd.Left(), 392); // 392.5 truncated
    EXPECT_EQ(odd.Top(), 334);
    Application().SetScreenSizeOverride(std::nullopt);

    TYesNoForm untouched(nullptr);
    dialog.FormCentering = false;
    dialog.ApplyToForm(untouched);
    EXPECT_EQ(untouched.Left(), 312);
    EXPECT_EQ(untouched.Top(), 585);
}

TEST(YesNoForm, ButtonsCentreWithHalvesToTheEvenNeighbour) {
    struct Case {
        int clientWidth, buttonWidth, yesLeft, noLeft;
    };
    for (const Case c : {Case{232, 64, 44, 124}, Case{232, 80, 28, 124}, Case{233, 64, 44, 124},
                         Case{235, 64, 46, 126}}) {
        TYesNoForm form(nullptr);
        form.YesButton->SetWidth(c.buttonWidth);
        form.NoButton->SetWidth(c.buttonWidth);
        form.SetClientWidth(c.clientWidth);
        form.FormResize(&form);
        EXPECT_EQ(form.YesButton->Left(), c.yesLeft) << c.clientWidth << " " << c.buttonWidth;
        EXPECT_EQ(form.NoButton->Left(), c.noLeft) << c.clientWidth << " " << c.buttonWidth;
        EXPECT_EQ(form.MessageLabel->Width(), c.clientWidth);
        EXPECT_EQ(form.YesButton->Top(), 42);
    }
}

TEST(YesNoDialog, WidthAppliedBeforeTheFormShowsIsLaidOut) {
    TYesNoDialog dialog(nullptr);
    dialog.ButtonWidth = 80;
    int yesLeft = -1;
    ModalAnswer answer([&](TForm& f) {
        yesLeft = AsYesNo(f).YesButton->Left();
        AsYesNo(f).NoButton->Click();
    });
    dialog.Execute();
    EXPECT_EQ(yesLeft, 28);
}

TEST(YesNoDialog, BeepsOnlyWhenEnabled) {
    test::FakeServices fakes;
    TYesNoDialog dialog(nullptr);
    TYesNoForm quiet(nullptr);
    dialog.ApplyToForm(quiet);
    EXPECT_TRUE(fakes.sound.beeps.empty());
    dialog.BeepEnabled = true;
    for (auto [type, code] : {std::pair{btDefault, 0x00u},
                              {btInformation, 0x40u},
                              {btWarning, 0x30u},
                              {btQuestion, 0x20u},
                              {btSystemError, 0x10u}}) {
        dialog.BeepType = type;
        TYesNoForm form(nullptr);
        dialog.ApplyToForm(form);
        EXPECT_EQ(fakes.sound.beeps.back(), code);
    }
    EXPECT_EQ(fakes.sound.beeps.size(), 5u);
}

TEST(Dialogs, ApplyingToTheWrongFormIsAnInvalidCast) {
    TYesNoDialog yesNo(nullptr);
    TAboutDialog about(nullptr);
    TAboutForm aboutForm(nullptr);
    TYesNoForm yesNoForm(nullptr);
    EXPECT_THROW(yesNo.ApplyToForm(aboutForm), EInvalidCast);
    EXPECT_THROW(about.ApplyToForm(yesNoForm), EInvalidCast);
}

TEST(Dialogs, ExecutedFormsAreReleasedOnceTheLoopRuns) {
    TYesNoDialog dialog(nullptr);
    ModalAnswer answer([](TForm& f) { f.Close(); });
    test::DeliverPosted(); // forms earlier tests released
    const int before = Application().ComponentCount();
    dialog.Execute();
    EXPECT_EQ(Application().ComponentCount(), before + 1);
    test::DeliverPosted();
    EXPECT_EQ(Application().ComponentCount(), before);
}

TEST(AboutDialog, OkEscAndCloseBoxAllCloseItAndAnswerTrue) {
    TAboutDialog dialog(nullptr);
    for (auto answer : std::initializer_list<std::function<void(TForm&)>>{
             [](TForm& f) { AsAbout(f).OKButton->Click(); },
             [](TForm& f) { PressKey(f, VK_ESCAPE); }, [](TForm& f) { f.Close(); },
             [](TForm& f) { PressKey(f, VK_RETURN); }}) {
        ModalAnswer hook(answer);
        EXPECT_TRUE(dialog.Execute());
    }
    ModalAnswer unanswered([](TForm&) {});
    EXPECT_FALSE(dialog.Execute());
}

TEST(AboutDialog, FillsItsFormAndLoadsTheProgramIconOnlyWhenEmpty) {
    TAboutDialog dialog(nullptr);
    dialog.Name1Caption = "- Shooting Game -";
    dialog.Name2Caption = "ORBIT RAVEN";
    dialog.VersionCaption = "Ver1.10";
    dialog.ButtonWidth = 57;
    TAboutForm form(nullptr);
    dialog.ApplyToForm(form);
    EXPECT_EQ(form.Name1Label->Caption(), "- Shooting Game -");
    EXPECT_EQ(form.Name3Label->Caption(), "");
    EXPECT_EQ(form.Name3Label->Top(), 52);
    EXPECT_EQ(form.VersionLabel->Caption(), "Ver1.10");
    EXPECT_EQ(form.MakerLabel->Caption(), "STUDIO ZEO PRESENTS");
    EXPECT_EQ(form.OKButton->Caption(), Tr(ComponentTexts::AboutOk));
    EXPECT_EQ(form.Width(), 240);
    EXPECT_EQ(form.Height(), 196);
    EXPECT_EQ(form.ClientWidth(), 232);
    EXPECT_EQ(form.ClientHeight(), 169);
    form.FormResize(&form);
    EXPECT_EQ(form.OKButton->Left(), 88); // 87.5 to the even neighbour
    EXPECT_EQ(form.Name1Label->Width(), 160);
    EXPECT_FALSE(dialog.ProgramPicture().Empty());
    EXPECT_TRUE(dialog.MakerPicture().Empty());

    TAboutDialog own(nullptr);
    TPicture logo;
    ASSERT_TRUE(logo.LoadIcon("ZEOICON"));
    own.SetProgramPicture(logo);
    TAboutForm second(nullptr);
    own.ApplyToForm(second);
    // The caller's picture stays; nothing replaced it with the main icon.
    second.Show();
    const QImage shown = second.ProgramPaintBox->Peer()->grab().toImage();
    EXPECT_EQ(shown.pixel(18, 18), QImage(":/icon/ZEOICON").pixel(16, 16));
    EXPECT_NE(shown.pixel(18, 18), QImage(":/icon/MAINICON").pixel(16, 16));
    second.Hide();
}

TEST(AboutForm, PaintsBothPicturesInTheirBoxes) {
    TAboutDialog dialog(nullptr);
    TPicture logo;
    logo.LoadIcon("ZEOICON");
    dialog.SetMakerPicture(logo);
    TAboutForm form(nullptr);
    dialog.ApplyToForm(form);
    form.Show();
    const QImage program = form.ProgramPaintBox->Peer()->grab().toImage();
    const QImage maker = form.MakerPaintBox->Peer()->grab().toImage();
    const QImage icon(":/icon/MAINICON");
    const QImage zeo(":/icon/ZEOICON");
    // The icons' centre pixels land at (2 + 16, 2 + 16) of each box.
    EXPECT_EQ(program.pixel(18, 18), icon.pixel(16, 16));
    EXPECT_EQ(maker.pixel(18, 18), zeo.pixel(16, 16));
    form.Hide();
}

} // namespace
} // namespace orv
