// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"

#include <string>

namespace orv {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// A line of text. With AutoSize it takes its text's size. It is transparent
// unless told otherwise, so it takes on whatever colour its parent has.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The caption as painted: shortened with "…" where a fixed-size label is
    // too narrow for it.
    std::string ShownCaption();

protected:
    void Paint() override;
    void FontChanged() override;

private:
    void AdjustSize();
    int TextTop(TCanvas& canvas) const;

    std::string caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = true;
};

} // namespace orv
