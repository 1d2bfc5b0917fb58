#include "framework/Menus.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>

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

} // namespace
} // namespace orv
