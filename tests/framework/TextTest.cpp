// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/texts/Text.h"
#include "framework/app/Application.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"
#include "framework/drawing/Canvas.h"
#include "framework/texts/FrameworkTexts.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace orv {
namespace {

TEST(FormatText, FillsPlaceholdersInThePatternsOrder) {
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"'{0}' は整数ではありません", "'12x' は整数ではありません"},
        {"{1} of {0}", "Speed of 12x"},
        {"{0}{0}", "12x12x"},
        {"{2} stays, {x} and {} too", "{2} stays, {x} and {} too"},
        {"{{0}} is literal", "{0}} is literal"},
        {"trailing {", "trailing {"},
        {"{0", "{0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatText(c.pattern, {"12x", "Speed"}), c.expected) << c.pattern;
}

TEST(Language, UnknownLanguagesKeepTheJapaneseTexts) {
    TLanguage& language = Application().Language();
    EXPECT_FALSE(language.Load("xx"));
    EXPECT_TRUE(language.IsSource());
    EXPECT_EQ(Tr(FrameworkTexts::UnexpectedError), FrameworkTexts::UnexpectedError.Source);
    ASSERT_TRUE(language.Load("en"));
    EXPECT_EQ(language.Code(), "en");
    EXPECT_EQ(Tr(FrameworkTexts::UnexpectedError), "An unexpected error has occurred");
    EXPECT_FALSE(language.Load(""));
    EXPECT_EQ(Tr(FrameworkTexts::UnexpectedError), FrameworkTexts::UnexpectedError.Source);
}

// A text too wide for its control ends in "…" and fits; one that fits is shown
// as it is. Cut characters never leave half a UTF-8 sequence behind.
TEST(Elision, TooLongCaptionsAreShortenedToFit) {
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 64, 25);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 30, 81, 17);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(0, 50, 60, 16);

    button->SetCaption("はい(&Y)");
    box->SetCaption("表示する");
    label->SetCaption("表示時間");
    EXPECT_EQ(button->ShownCaption(), "はい(&Y)");
    EXPECT_EQ(box->ShownCaption(), "表示する");
    EXPECT_EQ(label->ShownCaption(), "表示時間");
    // The access key's "&" is drawn as an underline and takes no room: the
    // about box's 56-pixel button holds its caption whole.
    button->SetWidth(56);
    button->SetCaption("確認(&O)");
    EXPECT_EQ(button->ShownCaption(), "確認(&O)");

    button->SetCaption("&Restore all the defaults");
    box->SetCaption("Show the balloon help");
    label->SetCaption("待ち時間の上限です");
    for (const std::string& shown :
         {button->ShownCaption(), box->ShownCaption(), label->ShownCaption()}) {
        EXPECT_TRUE(QString::fromStdString(shown).endsWith(QStringLiteral("…"))) << shown;
        EXPECT_EQ(QString::fromStdString(shown).toStdString(), shown) << "broken UTF-8";
    }
    EXPECT_TRUE(button->ShownCaption().starts_with("&R")) << "the access key stays";
    TCanvas& canvas = form.Canvas();
    canvas.Font() = label->Font();
    EXPECT_LE(canvas.TextWidth(label->ShownCaption()), label->Width());
    // Wider again, the whole caption comes back.
    form.Show();
    button->SetWidth(400);
    EXPECT_EQ(button->ShownCaption(), "&Restore all the defaults");
}

} // namespace
} // namespace orv
