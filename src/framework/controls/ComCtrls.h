// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"

#include <string>

namespace orv {

class TPageControl;

// One page of a page control; its children lie on the page.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Puts the sheet into a page control as its next page.
    void SetPageControl(TPageControl* pageControl);

private:
    std::string caption_;
};

// Pages with a tab each; one page shows at a time.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    void SetActivePage(TTabSheet* page);
    TTabSheet* ActivePage() const { return activePage_; }
    // Renames the tab of a page already added.
    void UpdateCaption(TTabSheet& page);

protected:
    void AdoptPeer(TControl& child) override;

private:
    TTabSheet* activePage_ = nullptr;
};

} // namespace orv
