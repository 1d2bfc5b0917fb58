// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnTitleBars.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/internal/TitleBar.h"
#include "framework/texts/Translation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace orv {
namespace {

TEST(Keys, CodesNameKeysNotCharacters) {
    struct Case {
        int qtKey;
        TKeyOrigin origin;
        int expected;
    };
    const Case cases[] = {
        {Qt::Key_Period, {}, VK_OEM_PERIOD},
        {Qt::Key_Comma, {}, VK_OEM_COMMA},
        {Qt::Key_Z, {}, 'Z'},
        // The keypad's keys are not the main block's.
        {Qt::Key_Period, {.keypad = true}, VK_DECIMAL},
        {Qt::Key_Comma, {.keypad = true}, VK_SEPARATOR},
        {Qt::Key_5, {.keypad = true}, VK_NUMPAD0 + 5},
        {Qt::Key_Enter, {.keypad = true}, VK_RETURN},
        // Shift with comma and period gives "<" and ">" on most layouts.
        {Qt::Key_Less, {.shift = true}, VK_OEM_COMMA},
        {Qt::Key_Greater, {.shift = true}, VK_OEM_PERIOD},
        {Qt::Key_Less, {.shift = true, .scanCode = 59}, VK_OEM_COMMA},
        {Qt::Key_Greater, {.shift = true, .scanCode = 60}, VK_OEM_PERIOD},
        // The European "<>" key, unshifted and shifted.
        {Qt::Key_Less, {}, VK_OEM_102},
        {Qt::Key_Less, {.scanCode = 94}, VK_OEM_102},
        {Qt::Key_Greater, {.shift = true, .scanCode = 94}, VK_OEM_102},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromQt(c.qtKey, c.origin), c.expected)
            << "Qt key " << c.qtKey << " keypad " << c.origin.keypad << " shift " << c.origin.shift
            << " scan " << c.origin.scanCode;
}

TEST(Keys, AFormHearsTheKeypadAsTheKeypad) {
    TForm form(nullptr);
    std::vector<int> heard;
    form.OnKeyDown = [&](TObject*, int& key, unsigned) { heard.push_back(key); };
    for (const Qt::KeyboardModifier modifiers : {Qt::NoModifier, Qt::KeypadModifier}) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Period, modifiers);
        QCoreApplication::sendEvent(form.Peer(), &event);
    }
    EXPECT_EQ(heard, (std::vector<int>{VK_OEM_PERIOD, VK_DECIMAL}));
}

// A dialog with a button, a check box, a disabled button and a button whose
// caption has only a plain ampersand.
struct MnemonicDialog {
    MnemonicDialog() {
        yes->SetParent(&form);
        yes->SetCaption("はい(&Y)");
        yes->SetModalResult(mrYes);
        sound->SetParent(&form);
        sound->SetCaption("音を出す(&S)");
        off->SetParent(&form);
        off->SetCaption("&Off");
        off->SetModalResult(mrNo);
        off->SetEnabled(false);
        plain->SetParent(&form);
        plain->SetCaption("A&&B");
        plain->SetModalResult(mrOk);
        form.OnKeyDown = [this](TObject*, int& key, unsigned) { heard.push_back(key); };
    }
    TForm form{nullptr};
    TButton* yes = new TButton(&form);
    TCheckBox* sound = new TCheckBox(&form);
    TButton* off = new TButton(&form);
    TButton* plain = new TButton(&form);
    std::vector<int> heard;
};

TEST(Mnemonics, BareLettersPressTheControlsThatUnderlineThem) {
    {
        MnemonicDialog d;
        int key = 'Y';
        d.form.KeyDown(key, ssNone);
        EXPECT_EQ(d.form.ModalResult(), mrYes);
        key = 'S';
        d.form.KeyDown(key, ssShift);
        EXPECT_TRUE(d.sound->Checked());
        EXPECT_TRUE(d.heard.empty()) << "a mnemonic is not also a key for the handlers";
    }
    // Ctrl, a disabled button, "&&" and letters nobody underlines go on to
    // the handlers.
    MnemonicDialog d;
    const std::pair<int, unsigned> presses[] = {{'Y', ssCtrl}, {'O', ssNone}, {'B', ssNone}};
    for (auto [key, shift] : presses)
        d.form.KeyDown(key, shift);
    EXPECT_EQ(d.form.ModalResult(), mrNone);
    EXPECT_EQ(d.heard, (std::vector<int>{'Y', 'O', 'B'}));
}

TEST(Mnemonics, ATextFieldKeepsItsLetters) {
    MnemonicDialog d;
    auto* field = new QLineEdit(d.form.ClientPeer()); // owned by the form's widget
    d.form.Show();
    field->setFocus();
    int key = 'Y';
    d.form.KeyDown(key, ssNone);
    EXPECT_EQ(d.form.ModalResult(), mrNone);
}

// Counts the white pixels of a label painted on black.
int InkOf(TLabel& label) {
    const QImage image = label.Peer()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    return ink;
}

TEST(Label, AFixedLabelShorterThanItsFontKeepsEveryGlyphWhole) {
    TLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetTransparent(false);
    label.SetColor(clBlack);
    TFont font = label.Font();
    font.SetName("Small Fonts");
    font.SetHeight(-27);
    font.SetColor(clWhite);
    label.SetFont(font);
    for (const char* text : {"000000", "SCORE", "HIGH SCORE", "LEFT"}) {
        label.SetCaption(text);
        label.SetBounds(0, 0, 181, 60);
        const int whole = InkOf(label);
        label.SetBounds(0, 0, 181, 24);
        EXPECT_GT(whole, 0);
        EXPECT_EQ(InkOf(label), whole) << text;
    }
}

// A group box on a page whose colour is not the window colour: its caption
// must stand on the page, with no box of another colour behind it.
TEST(GroupBox, TheCaptionStandsOnWhatLiesBehindTheBox) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 220, 120);
    auto* page = new TPanel(&form);
    page->SetParent(&form);
    page->SetBounds(0, 0, 200, 100);
    page->SetBevelOuter(TBevelCut::bvNone);
    page->SetColor(RGB(250, 250, 250));
    auto* box = new TGroupBox(&form);
    box->SetParent(page);
    box->SetBounds(8, 8, 180, 80);
    box->SetCaption("バルーンヘルプ");
    const QImage image = page->Peer()->grab().toImage();
    // Left of the text and beside its strokes, on the frame's top line.
    for (const QPoint at : {QPoint(8 + 7, 8), QPoint(8 + 7, 8 + 6)})
        EXPECT_EQ(QColor(image.pixel(at)), QColor(250, 250, 250)) << at.x() << "," << at.y();
    // The frame itself is still there beyond the caption.
    EXPECT_EQ(QColor(image.pixel(8 + 170, 8 + 6)), QColor(128, 128, 128));
}

// The toolkit's standard buttons follow the language asked for, and asking
// for English afterwards takes the Japanese texts away again.
TEST(ToolkitTranslation, FollowsTheLanguageAskedForLast) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_TRUE(LoadToolkitTranslation("ja"));
    EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(LoadToolkitTranslation("ja")) << "a second load must replace, not fail";
    EXPECT_FALSE(LoadToolkitTranslation("en"));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    EXPECT_FALSE(LoadToolkitTranslation("xx"));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

// The button Enter presses looks like the default button as the focus moves,
// and Tab and Shift+Tab go round the controls without stopping on the form.
TEST(DefaultButton, FollowsTheButtonEnterPressesAndTabSkipsTheForm) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    auto* check = new TCheckBox(&form);
    check->SetParent(&form);
    check->SetBounds(8, 8, 100, 17);
    auto* yes = new TButton(&form);
    yes->SetParent(&form);
    yes->SetBounds(8, 40, 75, 25);
    auto* no = new TButton(&form);
    no->SetParent(&form);
    no->SetBounds(100, 40, 75, 25);
    form.SetActiveControl(no);
    form.Show();
    form.Peer()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Peer()));
    const auto looksDefault = [](TButton* b) {
        return static_cast<QPushButton*>(b->Peer())->isDefault();
    };
    struct Step {
        TWinControl* focus;
        TButton* enterButton;
    };
    for (const Step step : {Step{no, no}, Step{yes, yes}, Step{check, no}}) {
        step.focus->SetFocus();
        EXPECT_EQ(form.EnterButton(), step.enterButton);
        EXPECT_EQ(looksDefault(yes), step.enterButton == yes);
        EXPECT_EQ(looksDefault(no), step.enterButton == no);
    }
    // Backwards from the first control: the last one, never the form.
    QTest::keyClick(check->Peer(), Qt::Key_Backtab);
    EXPECT_TRUE(no->Focused());
    QTest::keyClick(no->Peer(), Qt::Key_Tab);
    EXPECT_TRUE(check->Focused());
}

// A title bar that offers to maximise a window without a maximise box (as
// Wayland's client-side one does) leaves it as it was; a sizeable window
// maximises.
TEST(MaximiseBox, OnlyAWindowWithOneCanBeMaximised) {
    for (const auto style :
         {TFormBorderStyle::bsSingle, TFormBorderStyle::bsDialog, TFormBorderStyle::bsSizeable}) {
        TForm form(nullptr);
        form.SetBorderStyle(style);
        form.SetBounds(0, 0, 240, 100);
        std::vector<TWindowState> seen;
        form.OnWindowStateChange.Add([&](TObject*) { seen.push_back(form.WindowState()); });
        form.Show();
        // As a title bar asks: of the window, not of the widget.
        form.Peer()->windowHandle()->setWindowStates(Qt::WindowMaximized);
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        const bool sizeable = style == TFormBorderStyle::bsSizeable;
        EXPECT_EQ(form.WindowState(), sizeable ? TWindowState::wsMaximized : TWindowState::wsNormal)
            << static_cast<int>(style);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), TWindowState::wsMaximized), sizeable ? 1 : 0)
            << static_cast<int>(style);
        if (!sizeable) {
            EXPECT_EQ(form.Width(), 240);
        }
    }
}

// Where the program draws the title bars, a window's offers the boxes its
// border style has and no others, above a client area of the size asked
// for; a box acts when released where it was pressed.
TEST(OwnTitleBar, OffersTheBorderStylesBoxesAndEachDoesItsWork) {
    struct Case {
        TFormBorderStyle style;
        bool minimize;
        bool maximize;
    };
    const Case cases[] = {{TFormBorderStyle::bsSingle, true, false},
                          {TFormBorderStyle::bsDialog, false, false},
                          {TFormBorderStyle::bsSizeable, true, true}};
    const test::OwnTitleBars own;
    // Stands for the main form, whose close box would end the program.
    const TForm mainForm(nullptr);
    for (const auto& [style, minimize, maximize] : cases) {
        SCOPED_TRACE(static_cast<int>(style));
        TForm form(nullptr);
        form.SetBorderStyle(style);
        form.SetBounds(0, 0, 240, 100);
        form.Show();
        auto* bar = TTitleBar::Of(*form.Peer());
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(form.Peer()->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(bar->ButtonRect(TTitleButton::Minimize).isEmpty(), !minimize);
        EXPECT_EQ(bar->ButtonRect(TTitleButton::Maximize).isEmpty(), !maximize);
        const QRect close = bar->ButtonRect(TTitleButton::Close);
        ASSERT_FALSE(close.isEmpty());
        EXPECT_EQ(close.right(), bar->width() - 1);
        EXPECT_EQ(form.ClientPeer()->geometry(),
                  QRect(0, bar->height(), form.ClientWidth(), form.ClientHeight()));
        EXPECT_EQ(form.Peer()->height(), bar->height() + form.ClientHeight());

        const auto click = [bar](TTitleButton button) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ButtonRect(button).center());
        };
        if (minimize) {
            click(TTitleButton::Minimize);
            EXPECT_EQ(form.WindowState(), TWindowState::wsMinimized);
            form.SetWindowState(TWindowState::wsNormal);
        }
        if (maximize) {
            click(TTitleButton::Maximize);
            EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
            click(TTitleButton::Maximize);
            EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
        }
        int asked = 0;
        form.OnCloseQuery = [&asked](TObject*, bool& canClose) {
            ++asked;
            canClose = true;
        };
        // Pressed on the close box, let go beside it: nothing happens.
        QTest::mousePress(bar, Qt::LeftButton, {}, close.center());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(close.left() - 20, close.center().y()));
        EXPECT_EQ(asked, 0);
        click(TTitleButton::Close);
        EXPECT_EQ(asked, 1);
        EXPECT_FALSE(form.Showing());
    }
}

} // namespace
} // namespace orv
