// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/ComCtrls.h"

#include <QTabBar>
#include <QTabWidget>

namespace orv {
namespace {
QTabWidget& TabsOf(const TPageControl& control) {
    return *static_cast<QTabWidget*>(control.Peer());
}
} // namespace

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    AttachPeer(std::make_unique<QWidget>());
}

void TTabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (auto* pages = dynamic_cast<TPageControl*>(Parent()))
        pages->UpdateCaption(*this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    SetParent(pageControl);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    auto tabs = std::make_unique<QTabWidget>();
    // The tabs are a stop of their own: the arrow keys there and Ctrl+Tab
    // anywhere on the pages switch the page.
    tabs->setFocusPolicy(Qt::TabFocus);
    tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    AttachPeer(std::move(tabs));
}

void TPageControl::AdoptPeer(TControl& child) {
    auto* page = dynamic_cast<TTabSheet*>(&child);
    if (!page) {
        TWinControl::AdoptPeer(child);
        return;
    }
    TabsOf(*this).addTab(page->Peer(), QString::fromStdString(page->Caption()));
    if (!activePage_)
        activePage_ = page;
}

void TPageControl::UpdateCaption(TTabSheet& page) {
    const int index = TabsOf(*this).indexOf(page.Peer());
    if (index >= 0)
        TabsOf(*this).setTabText(index, QString::fromStdString(page.Caption()));
}

void TPageControl::SetActivePage(TTabSheet* page) {
    activePage_ = page;
    if (page)
        TabsOf(*this).setCurrentWidget(page->Peer());
}

} // namespace orv
