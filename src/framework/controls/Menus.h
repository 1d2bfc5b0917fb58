// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace orv {

// A menu command or submenu. Items are owned like any component (by their
// form); the parent item only lists them. A caption of "-" is a separator.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Parent() const { return parent_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Key code plus 16384 for Ctrl; 0 for none.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Checking a radio item unchecks the radio items of its group beside it.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);

    // What choosing the item does; a disabled item does nothing.
    void Click();
    TNotifyEvent OnClick;

    QAction* Action() const { return action_.get(); }

private:
    void UpdateAction();
    void JoinRadioGroup();
    QMenu& Submenu();

    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> submenu_;
    // The radio groups of this item's submenu, by group index.
    std::map<int, std::unique_ptr<QActionGroup>> radioGroups_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    std::string caption_;
    int shortCut_ = 0;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
};

// The bar of a form's menu: its items are the bar's entries.
class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }

    // Puts the entries on a form's menu bar.
    void Fill(QMenuBar& bar) const;

private:
    std::vector<TMenuItem*> items_;
};

} // namespace orv
