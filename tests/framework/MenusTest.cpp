// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Menus.h"
#include "EventLoop.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace orv {
namespace {

// Asks the menu how it would draw an item.
class InspectedMenu : public QMenu {
public:
    QStyleOptionMenuItem OptionOf(QAction* action) {
        QStyleOptionMenuItem option;
        initStyleOption(&option, action);
        return option;
    }
};

TEST(Menus, RadioItemsDrawAsRadioItemsAndSeparatorsWithoutText) {
    TMainMenu bar(nullptr);
    auto* speed = new TMenuItem(&bar);
    speed->SetCaption("速度(&T)");
    TMenuItem* items[3] = {};
    for (TMenuItem*& item : items) {
        item = new TMenuItem(&bar);
        item->SetCaption("item");
        item->SetRadioItem(true);
        item->SetGroupIndex(10);
        speed->Add(item);
    }
    auto* check = new TMenuItem(&bar);
    check->SetCaption("check");
    check->SetChecked(true);
    speed->Add(check);
    auto* separator = new TMenuItem(&bar);
    separator->SetCaption("-");
    speed->Add(separator);
    items[1]->SetChecked(true);

    InspectedMenu menu;
    for (TMenuItem* item : speed->Items())
        menu.addAction(item->Action());
    for (TMenuItem* item : items)
        EXPECT_EQ(menu.OptionOf(item->Action()).checkType, QStyleOptionMenuItem::Exclusive);
    EXPECT_TRUE(menu.OptionOf(items[1]->Action()).checked);
    EXPECT_EQ(menu.OptionOf(check->Action()).checkType, QStyleOptionMenuItem::NonExclusive);
    const QStyleOptionMenuItem line = menu.OptionOf(separator->Action());
    EXPECT_EQ(line.menuItemType, QStyleOptionMenuItem::Separator);
    EXPECT_TRUE(line.text.isEmpty()) << line.text.toStdString();

    // The item's state still rules: checking one unchecks the others, and
    // the checked item can be unchecked.
    items[2]->SetChecked(true);
    EXPECT_FALSE(items[1]->Checked());
    EXPECT_FALSE(items[1]->Action()->isChecked());
    items[2]->SetChecked(false);
    EXPECT_FALSE(items[2]->Action()->isChecked());

    // Choosing a radio item whose handler does not check it changes nothing.
    items[0]->SetChecked(true);
    items[1]->Action()->trigger();
    EXPECT_TRUE(items[0]->Action()->isChecked());
    EXPECT_FALSE(items[1]->Action()->isChecked());
}

// A form with a menu bar: 速度 opens a menu, and Esc is a shortcut of the
// bar's second entry, which counts its clicks.
struct MenuForm {
    MenuForm() {
        form.SetBorderStyle(TFormBorderStyle::bsSingle);
        auto* menu = new TMainMenu(&form);
        speed->SetCaption("速度(&T)");
        auto* fast = new TMenuItem(&form);
        fast->SetCaption("速い(&F)");
        speed->Add(fast);
        pause->SetCaption("[一時停止(&P)]");
        pause->SetShortCut(27);
        pause->OnClick = [this](TObject*) { ++pauses; };
        menu->Add(speed);
        menu->Add(pause);
        form.SetMenu(menu);
        form.SetClientWidth(604);
        form.SetClientHeight(422);
        form.Show();
        bar = form.Peer()->findChild<QMenuBar*>();
    }
    // Right below the bar at the bar's own height, and the window holds both.
    bool ClientPlaced() const {
        return bar->height() == bar->sizeHint().height() &&
               form.ClientPeer()->geometry() == QRect(0, bar->height(), 604, 422) &&
               form.Peer()->height() == bar->height() + 422;
    }

    TForm form{nullptr};
    TMenuItem* speed = new TMenuItem(&form);
    TMenuItem* pause = new TMenuItem(&form);
    QMenuBar* bar = nullptr;
    int pauses = 0;
};

TEST(Menus, TheClientAreaLiesBelowTheMenuBarWhateverHeightTheBarTakes) {
    MenuForm menu;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.form.Peer()));
    EXPECT_TRUE(menu.ClientPlaced());
    const int before = menu.bar->height();
    TFont font = menu.form.Font();
    font.SetHeight(-30);
    menu.form.SetFont(font);
    EXPECT_TRUE(test::RunEventsUntil([&] { return menu.ClientPlaced(); }))
        << "bar " << menu.bar->height() << " wants " << menu.bar->sizeHint().height()
        << ", client at " << menu.form.ClientPeer()->y();
    EXPECT_GT(menu.bar->height(), before);
}

// A menu opened with the mouse and closed with Esc leaves Esc to the form:
// the next Esc runs its shortcut at once.
TEST(Menus, EscAfterAMenuClosedWithEscRunsTheShortcut) {
    MenuForm menu;
    menu.form.Peer()->activateWindow();
    ASSERT_TRUE(test::RunEventsUntil([&] { return menu.form.Peer()->isActiveWindow(); }));
    QTest::mouseClick(menu.bar, Qt::LeftButton, {},
                      menu.bar->actionGeometry(menu.speed->Action()).center());
    ASSERT_TRUE(test::RunEventsUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(test::RunEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }));
    test::DeliverPosted();
    QTest::keyClick(menu.form.Peer()->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(menu.pauses, 1) << "the bar kept the key";
}

} // namespace
} // namespace orv
