// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainMenu.h"

#include "GameTexts.h"
#include "Main.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Menus.h"

namespace orv {
namespace {

constexpr int kSpeedGroup = 10;

// The menu items in creation order with the commands they give (their
// shortcuts are those commands' keys); the menu is put together afterwards.
struct StoredItem {
    TMenuItem* TMainForm::*field;
    const char* name;
    TText caption;
    TGameCommand command;
};
constexpr StoredItem kItems[] = {
    {&TMainForm::StartItem, "StartItem", GameTexts::StartItem, gcStart},
    {&TMainForm::PauseItem, "PauseItem", GameTexts::PauseItem, gcPauseResume},
    {&TMainForm::SpeedItem, "SpeedItem", GameTexts::SpeedItem, gcNone},
    {&TMainForm::FastSpeedItem, "FastSpeedItem", GameTexts::FastSpeedItem, gcFastSpeed},
    {&TMainForm::NormalSpeedItem, "NormalSpeedItem", GameTexts::NormalSpeedItem, gcNormalSpeed},
    {&TMainForm::SlowSpeedItem, "SlowSpeedItem", GameTexts::SlowSpeedItem, gcSlowSpeed},
    {&TMainForm::ConfigItem, "ConfigItem", GameTexts::ConfigItem, gcNone},
    {&TMainForm::ClearHiScoreItem, "ClearHiScoreItem", GameTexts::ClearHiScoreItem,
     gcAskClearHiScore},
    {&TMainForm::N1, "N1", TText{"", "-"}, gcNone},
    {&TMainForm::GameConfigItem, "GameConfigItem", GameTexts::GameConfigItem, gcGameConfig},
    {&TMainForm::SysConfigItem, "SysConfigItem", GameTexts::SysConfigItem, gcSysConfig},
    {&TMainForm::InfoItem, "InfoItem", GameTexts::InfoItem, gcNone},
    {&TMainForm::AboutItem, "AboutItem", GameTexts::AboutItem, gcAbout},
    {&TMainForm::ManualItem, "ManualItem", GameTexts::ManualItem, gcManual},
    {&TMainForm::QuitItem, "QuitItem", GameTexts::QuitItem, gcNone},
    {&TMainForm::TitleItem, "TitleItem", GameTexts::TitleItem, gcTitle},
    {&TMainForm::TerminateItem, "TerminateItem", GameTexts::TerminateItem, gcQuit},
};

} // namespace

void CreateMainMenu(TMainForm& form) {
    form.MainMenu1 = CreateComponent<TMainMenu>(form, "MainMenu1");
    for (const StoredItem& stored : kItems) {
        TMenuItem* item = CreateComponent<TMenuItem>(form, stored.name);
        item->SetCaption(Tr(stored.caption));
        form.*stored.field = item;
    }
    for (TMenuItem* speed : {form.FastSpeedItem, form.NormalSpeedItem, form.SlowSpeedItem}) {
        speed->SetRadioItem(true);
        speed->SetGroupIndex(kSpeedGroup);
        form.SpeedItem->Add(speed);
    }
    form.NormalSpeedItem->SetChecked(true);
    for (TMenuItem* item :
         {form.ClearHiScoreItem, form.N1, form.GameConfigItem, form.SysConfigItem})
        form.ConfigItem->Add(item);
    form.InfoItem->Add(form.AboutItem);
    form.InfoItem->Add(form.ManualItem);
    form.QuitItem->Add(form.TitleItem);
    form.QuitItem->Add(form.TerminateItem);
    for (TMenuItem* item : {form.StartItem, form.PauseItem, form.SpeedItem, form.ConfigItem,
                            form.InfoItem, form.QuitItem})
        form.MainMenu1->Add(item);
    form.SetMenu(form.MainMenu1);
}

void SetMenuShortCuts(TMainForm& form, const TKeyBindings& bindings) {
    for (const StoredItem& stored : kItems)
        if (stored.command != gcNone)
            (form.*stored.field)->SetShortCut(MenuShortCut(bindings, stored.command));
}

TMenuItem* MenuItemOf(TMainForm& form, TGameCommand command) {
    for (const StoredItem& stored : kItems)
        if (command != gcNone && stored.command == command)
            return form.*stored.field;
    return nullptr;
}

} // namespace orv
