// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Label.h"

#include <string>

namespace orv {

// A raised panel that frames a content area of a given client size with a
// small bold title above it and a sunken double border around it. The
// content area starts at (8, 14); the frame is 16 wider and 22 taller.
class TTezFrame : public TCustomPanel {
public:
    static constexpr int kExtraWidth = 16;
    static constexpr int kExtraHeight = 22;
    // The size a new panel starts with before anything sets it.
    static constexpr int kDefaultWidth = 185;
    static constexpr int kDefaultHeight = 41;

    explicit TTezFrame(TComponent* owner);

    const std::string& Title() const { return titleLabel_->Caption(); }
    void SetTitle(const std::string& title) { titleLabel_->SetCaption(title); }
    int ClientWidth() const override { return clientWidth_; }
    void SetClientWidth(int value);
    int ClientHeight() const override { return clientHeight_; }
    void SetClientHeight(int value);

    const TBevel& OuterBevel() const { return *outerBevel_; }
    const TBevel& InnerBevel() const { return *innerBevel_; }
    const TLabel& TitleLabel() const { return *titleLabel_; }

protected:
    void Resize() override;

private:
    void PlaceBevels();

    // Owned by the frame as components; kept here for quick access.
    TBevel* outerBevel_ = nullptr;
    TBevel* innerBevel_ = nullptr;
    TLabel* titleLabel_ = nullptr;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
};

} // namespace orv
