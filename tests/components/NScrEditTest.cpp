// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/widgets/NScrEdit.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"
#include "framework/controls/ScrollBar.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace orv {
namespace {

// An edit on a form between two buttons, set up like the settings form's.
class NumScrollEdit : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 400, 140);
        before->SetParent(&form);
        before->SetBounds(8, 8, 75, 25);
        edit->SetParent(&form);
        edit->SetBounds(8, 48, 500, 20); // any width: loading works it out
        edit->SetNumAreaWidth(40);
        edit->SetScrollBarWidth(120);
        edit->SetItemWidth(120);
        edit->SetItemCaption("表示するまでの時間");
        edit->SetMax(100);
        edit->SetLargeChange(10);
        after->SetParent(&form);
        after->SetBounds(8, 100, 75, 25);
        form.FinishLoading();
        edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, edit);
            changes.push_back(edit->Position());
        };
    }

    // The parts from left to right must add up the way the layout says.
    void ExpectLayout() const {
        const int w = edit->ItemWidth();
        const int decLeft = w + edit->NumAreaWidth() + 12;
        EXPECT_EQ(edit->ItemLabel().Left(), 4);
        EXPECT_EQ(edit->DecLabel().Left(), decLeft);
        const TScrollBar& bar = edit->ScrollBar();
        EXPECT_EQ(bar.Left(), decLeft + edit->DecLabel().Width() + 4);
        EXPECT_EQ(bar.Height(), edit->Height());
        EXPECT_EQ(edit->IncLabel().Left(), bar.Left() + bar.Width() + 4);
        // The width leaves no gap after "+" beyond the one before it.
        EXPECT_EQ(edit->Width(), bar.Left() + bar.Width() + edit->IncLabel().Width() + 4);
    }

    void Show() {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Peer()));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(edit->ScrollBar().Peer(), &event);
        QCoreApplication::sendPostedEvents();
    }
    QImage Picture() const { return edit->Peer()->grab().toImage(); }

    TForm form{nullptr};
    TButton* before = new TButton(&form);
    TNumScrollEdit* edit = new TNumScrollEdit(&form);
    TButton* after = new TButton(&form);
    std::vector<int> changes;
};

TEST_F(NumScrollEdit, LoadingWorksTheWidthOutFromItsParts) {
    // The width is the parts' sum whatever the captions measure in the face
    // they are drawn in (300 plus "-" and "+"; 312 in the settings form).
    for (const char* face : {"ＭＳ Ｐゴシック", "DejaVu Sans", "ＭＳ ゴシック"}) {
        TFont font = edit->LabelFont();
        font.SetName(face);
        edit->SetLabelFont(font);
        ExpectLayout();
        EXPECT_EQ(edit->Width(), 300 + edit->DecLabel().Width() + edit->IncLabel().Width()) << face;
        EXPECT_EQ(edit->ScrollBar().Width(), 120) << face;
    }
    // Labels sit in the middle of the 20-pixel line.
    EXPECT_EQ(edit->DecLabel().Top(), 4);
    EXPECT_EQ(edit->ItemLabel().Height(), 12);
}

TEST_F(NumScrollEdit, EachPropertyMovesThePartsItShould) {
    const int loaded = edit->Width();
    edit->SetItemCaption("a much longer caption than before");
    EXPECT_EQ(edit->Width(), loaded) << "the item caption changed the width";

    const int decWidth = edit->DecLabel().Width();
    edit->SetDecCaption("less");
    EXPECT_EQ(edit->Width(), loaded + edit->DecLabel().Width() - decWidth);
    ExpectLayout();

    const int incLeft = edit->IncLabel().Left();
    const int barWidth = edit->ScrollBar().Width();
    edit->SetWidth(edit->Width() + 30);
    EXPECT_EQ(edit->ScrollBar().Width(), barWidth + 30);
    EXPECT_EQ(edit->IncLabel().Left(), incLeft + 30);
    ExpectLayout();

    const int width = edit->Width();
    edit->SetNumAreaWidth(0);
    edit->SetScrollBarWidth(-5);
    EXPECT_EQ(edit->NumAreaWidth(), 40);
    EXPECT_EQ(edit->Width(), width);
    edit->SetItemWidth(88);
    ExpectLayout();
    EXPECT_EQ(edit->Width(), width - 32);
}

TEST_F(NumScrollEdit, OnChangeFollowsThePositionAlsoFromTheProgram) {
    edit->SetPosition(0);
    EXPECT_TRUE(changes.empty());
    edit->SetPosition(250);
    edit->SetPosition(-3);
    EXPECT_THROW(edit->SetMax(-1), EInvalidOperation);
    EXPECT_EQ(edit->Max(), 100);
    EXPECT_EQ(changes, (std::vector<int>{100, 0}));
}

TEST_F(NumScrollEdit, KeysStepThroughTheRangeAndStopAtItsEnds) {
    struct Case {
        int start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    edit->SetMax(50);
    const Case cases[] = {
        {5, Qt::Key_Left, Qt::ShiftModifier, 0},    {45, Qt::Key_Right, Qt::ShiftModifier, 50},
        {20, Qt::Key_Right, Qt::ShiftModifier, 30}, {20, Qt::Key_Left, Qt::NoModifier, 19},
        {20, Qt::Key_Right, Qt::NoModifier, 21},    {20, Qt::Key_PageDown, Qt::NoModifier, 30},
        {20, Qt::Key_PageUp, Qt::NoModifier, 10},   {20, Qt::Key_End, Qt::NoModifier, 50},
        {20, Qt::Key_Home, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        edit->SetPosition(c.start);
        changes.clear();
        Press(c.key, c.modifiers);
        EXPECT_EQ(edit->Position(), c.expected) << "from " << c.start;
        EXPECT_EQ(changes, std::vector<int>{c.expected});
    }
}

TEST_F(NumScrollEdit, EachWheelNotchIsOneSmallChangeAndOneChange) {
    struct Case {
        std::vector<QPoint> turns; // angle deltas, in eighths of a degree
        std::vector<int> expected;
    };
    edit->SetSmallChange(2);
    const Case cases[] = {
        {{{0, 120}}, {22}},
        {{{0, -240}}, {18, 16}},
        {{{0, 60}, {0, 40}, {0, 20}}, {22}}, // a fine wheel adds up to a notch
        {{{-120, 0}}, {22}},                 // tilted right
    };
    for (const Case& c : cases) {
        edit->SetPosition(20);
        changes.clear();
        for (const QPoint turn : c.turns) {
            QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), turn, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(edit->ScrollBar().Peer(), &wheel);
        }
        EXPECT_EQ(changes, c.expected) << c.turns.front().y();
    }
}

TEST_F(NumScrollEdit, UpAndDownMoveTheFocusAndBackTabPassesTheControl) {
    Show();
    edit->SetFocus();
    EXPECT_TRUE(edit->ScrollBar().Focused()) << "the control kept the focus for itself";
    edit->SetPosition(7);
    changes.clear();
    Press(Qt::Key_Down);
    EXPECT_TRUE(after->Focused());
    edit->SetFocus();
    Press(Qt::Key_Up);
    EXPECT_TRUE(before->Focused());
    EXPECT_EQ(edit->Position(), 7);
    EXPECT_TRUE(changes.empty());

    // Backwards from the button after it: the scroll bar, then the button
    // before; the control itself is never a stop.
    after->SetFocus();
    QTest::keyClick(after->Peer(), Qt::Key_Backtab);
    EXPECT_TRUE(edit->ScrollBar().Focused());
    QTest::keyClick(edit->ScrollBar().Peer(), Qt::Key_Backtab);
    EXPECT_TRUE(before->Focused());
}

TEST_F(NumScrollEdit, PaintsARightAlignedNumberInASunkenFrame) {
    Show();
    const int a = edit->ItemWidth() + 8;
    const int n = edit->NumAreaWidth();
    const int h = edit->Height();
    // The text's right end lies at ItemWidth + NumAreaWidth + 4, whatever
    // its length.
    for (const int position : {0, 7, 100}) {
        edit->SetPosition(position);
        const QImage image = Picture();
        int right = -1;
        for (int x = a + 2; x < a + n - 2; ++x)
            for (int y = 2; y < h - 2; ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    right = x;
        EXPECT_GE(right, a + n - 4 - 2) << position;
        EXPECT_LT(right, a + n - 4) << position;
    }
    const QImage image = Picture();
    EXPECT_EQ(QColor(image.pixel(a, 5)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(image.pixel(a + 5, 1)), QColor(64, 64, 64));
    EXPECT_EQ(QColor(image.pixel(a + n - 1, 5)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(a + 5, h - 2)), QColor(223, 223, 223));
    EXPECT_EQ(QColor(image.pixel(a + 3, 3)), QColor(255, 255, 255));
}

// Columns of the number area holding dark ink, as runs [first, last].
std::vector<std::pair<int, int>> InkRuns(const QImage& image, int from, int to, int height) {
    std::vector<std::pair<int, int>> runs;
    for (int x = from; x < to; ++x) {
        bool ink = false;
        for (int y = 2; y < height - 2; ++y)
            ink = ink || qGray(image.pixel(x, y)) < 128;
        if (ink && !runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else if (ink)
            runs.emplace_back(x, x);
    }
    return runs;
}

// The settings form's largest value, five digits in a box of 40: every digit
// must stand inside the frame, and a shorter number afterwards leaves no
// trace of the longer one.
TEST_F(NumScrollEdit, TheLargestNumberFitsWholeAndLeavesNoTrace) {
    edit->SetMax(10000);
    Show();
    const int a = edit->ItemWidth() + 8;
    const int n = edit->NumAreaWidth();
    edit->SetPosition(10000);
    const auto whole = InkRuns(Picture(), a + 2, a + n - 2, edit->Height());
    ASSERT_EQ(whole.size(), 5u) << "not five separate digits";
    EXPECT_GE(whole.front().first, a + 2);
    EXPECT_LT(whole.back().second, a + n - 4);
    // Left of the box's inside there is only the frame and the background.
    const auto outside = [&] {
        return InkRuns(Picture(), edit->ItemLabel().Left() + edit->ItemWidth(), a, 20);
    };
    const auto before = outside();
    edit->SetPosition(7);
    QCoreApplication::processEvents();
    EXPECT_EQ(outside(), before);
    EXPECT_EQ(InkRuns(Picture(), a + 2, a + n - 2, edit->Height()).size(), 1u);
}

TEST_F(NumScrollEdit, DisabledGreysTheNumberAndStopsTheScrollBarOnly) {
    Show();
    edit->SetPosition(88);
    const auto darkest = [this] {
        const QImage image = Picture();
        int result = 255;
        for (int x = edit->ItemWidth() + 10; x < edit->ItemWidth() + 46; ++x)
            for (int y = 2; y < 18; ++y)
                result = std::min(result, qGray(image.pixel(x, y)));
        return result;
    };
    EXPECT_LT(darkest(), 60);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->ScrollBar().Enabled());
    EXPECT_TRUE(edit->ItemLabel().Enabled());
    EXPECT_GE(darkest(), 100);
    EXPECT_LT(darkest(), 160);
    edit->SetEnabled(true);
    EXPECT_TRUE(edit->ScrollBar().Enabled());
}

TEST_F(NumScrollEdit, OneSwitchWhicheverTypeHoldsTheControl) {
    TControl& control = *edit;
    control.SetEnabled(false);
    EXPECT_FALSE(edit->Enabled());
    EXPECT_FALSE(edit->ScrollBar().Enabled());
    // The captions keep their look: the panel's widget stays enabled.
    EXPECT_TRUE(edit->ItemLabel().Peer()->isEnabled());
    edit->SetEnabled(true);
    EXPECT_TRUE(control.Enabled());
    EXPECT_TRUE(edit->ScrollBar().Enabled());
}

} // namespace
} // namespace orv
