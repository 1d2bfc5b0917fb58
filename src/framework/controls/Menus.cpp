// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Menus.h"

#include "framework/app/Keys.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace orv {
namespace {

int QtKeyFromVirtual(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk < VK_F1 + 12)
        return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_RETURN:
        return Qt::Key_Return;
    default:
        return 0;
    }
}

QKeySequence SequenceOf(int shortCut) {
    const int key = QtKeyFromVirtual(shortCut & 0xFF);
    if (!key)
        return {};
    int modifiers = 0;
    if (shortCut & 0x2000)
        modifiers |= Qt::SHIFT;
    if (shortCut & 0x4000)
        modifiers |= Qt::CTRL;
    if (shortCut & 0x8000)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(std::make_unique<QAction>()) {
    // The window owns the keys; a shortcut fires while the window is active.
    action_->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action_.get(), &QAction::triggered, [this] { Click(); });
}

TMenuItem::~TMenuItem() {
    action_->setActionGroup(nullptr);
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (TMenuItem* item : items_) {
        item->parent_ = nullptr;
        item->action_->setActionGroup(nullptr); // the groups go with this item
    }
}

void TMenuItem::Add(TMenuItem* item) {
    items_.push_back(item);
    item->parent_ = this;
    Submenu().addAction(item->Action());
    item->JoinRadioGroup();
}

// Menus draw an item as a radio item only inside an exclusive action group;
// the group's own exclusion agrees with SetChecked's.
void TMenuItem::JoinRadioGroup() {
    if (!radioItem_ || !parent_) {
        action_->setActionGroup(nullptr);
        return;
    }
    auto& group = parent_->radioGroups_[groupIndex_];
    if (!group) {
        group = std::make_unique<QActionGroup>(nullptr);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    }
    action_->setActionGroup(group.get());
}

void TMenuItem::SetGroupIndex(int index) {
    groupIndex_ = index;
    JoinRadioGroup();
}

QMenu& TMenuItem::Submenu() {
    if (!submenu_) {
        submenu_ = std::make_unique<QMenu>();
        action_->setMenu(submenu_.get());
    }
    return *submenu_;
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    const bool separator = caption == "-";
    action_->setSeparator(separator);
    // Menus draw a separator's text as a section title: a separator has none.
    action_->setText(separator ? QString() : QString::fromStdString(caption));
}

void TMenuItem::SetShortCut(int shortCut) {
    shortCut_ = shortCut;
    action_->setShortcut(SequenceOf(shortCut));
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    UpdateAction();
    if (!checked || !radioItem_ || !parent_)
        return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ &&
            sibling->checked_) {
            sibling->checked_ = false;
            sibling->UpdateAction();
        }
}

void TMenuItem::SetRadioItem(bool radio) {
    radioItem_ = radio;
    JoinRadioGroup();
    UpdateAction();
}

void TMenuItem::UpdateAction() {
    action_->setCheckable(checked_ || radioItem_);
    action_->setChecked(checked_);
}

void TMenuItem::Click() {
    // Qt toggles checkable actions, and a radio group's others, by itself;
    // the items' state rules.
    if (parent_)
        for (TMenuItem* sibling : parent_->items_)
            sibling->UpdateAction();
    else
        UpdateAction();
    if (enabled_ && OnClick)
        OnClick(this);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

TMainMenu::~TMainMenu() = default;

void TMainMenu::Add(TMenuItem* item) {
    items_.push_back(item);
}

void TMainMenu::Fill(QMenuBar& bar) const {
    bar.clear();
    for (const TMenuItem* item : items_)
        bar.addAction(item->Action());
}

} // namespace orv
