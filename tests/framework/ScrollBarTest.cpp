#include "framework/Exceptions.h"
#include "framework/Keys.h"
#include "framework/StdCtrls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orv {
namespace {

struct Bar {
    Bar() {
        bar.SetParams(50, 0, 100);
        bar.SetSmallChange(1);
        bar.SetLargeChange(10);
        bar.OnChange = [this](TObject*) { seen.push_back(bar.Position()); };
    }
    void Press(Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(bar.Peer(), &event);
    }
    TScrollBar bar{nullptr};
    std::vector<int> seen;
};

TEST(ScrollBar, AMaxBelowMinIsRefusedAndChangesNothing) {
    Bar b;
    EXPECT_THROW(b.bar.SetMax(-1), EInvalidOperation);
    EXPECT_THROW(b.bar.SetMin(101), EInvalidOperation);
    EXPECT_THROW(b.bar.SetParams(5, 10, 9), EInvalidOperation);
    EXPECT_EQ(b.bar.Min(), 0);
    EXPECT_EQ(b.bar.Max(), 100);
    EXPECT_EQ(b.bar.Position(), 50);
    EXPECT_TRUE(b.seen.empty());
}

TEST(ScrollBar, ThePositionStaysInRangeAndEveryChangeIsReportedOnce) {
    Bar b;
    b.bar.SetPosition(50);
    EXPECT_TRUE(b.seen.empty()) << "no change, yet reported";
    b.bar.SetPosition(500);
    b.bar.SetMax(30);
    b.bar.SetMin(-10);
    b.bar.SetParams(-5, -10, 0);
    EXPECT_EQ(b.seen, (std::vector<int>{100, 30, -5}));
}

TEST(ScrollBar, KeysMoveByTheStepsAndAHandlerMayTakeThemFirst) {
    Bar b;
    b.Press(Qt::Key_Right);
    b.Press(Qt::Key_PageDown);
    b.Press(Qt::Key_Home);
    b.Press(Qt::Key_End);
    EXPECT_EQ(b.seen, (std::vector<int>{51, 61, 0, 100}));
    b.bar.OnKeyDown = [](TObject*, int& key, unsigned) {
        if (key == VK_LEFT)
            key = 0;
    };
    b.Press(Qt::Key_Left);
    EXPECT_EQ(b.bar.Position(), 100);
    b.Press(Qt::Key_PageUp);
    EXPECT_EQ(b.bar.Position(), 90);
}

} // namespace
} // namespace orv
