// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"

#include <string>

namespace orv {

// A captioned frame around other controls: an etched line whose top runs
// through the middle of the caption. Children are placed from the box's
// top-left corner, caption area included.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

protected:
    void Paint() override;

private:
    std::string caption_;
};

} // namespace orv
