// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <string>

class QFont;

namespace orv {

// A font as the forms describe it. Height follows the stored-form rule: a
// negative value is the character height in pixels, a positive one the cell
// height; Size is in points at 96 dots per inch.
class TFont {
public:
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    int Size() const { return -height_ * 72 / 96; }
    void SetSize(int points) { height_ = -(points * 96 + 36) / 72; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    bool Bold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }

    QFont ToQFont() const;
    friend bool operator==(const TFont&, const TFont&) = default;

private:
    std::string name_ = "ＭＳ Ｐゴシック";
    int height_ = -12;
    TColor color_ = clBlack;
    bool bold_ = false;
};

// Maps the face names the forms use onto faces a Linux desktop has.
void RegisterFontSubstitutions();

// A fixed-pitch face whose digits are half as wide as the font is high, for
// numbers that must fit a box laid out for such digits.
inline constexpr const char* kHalfWidthDigitsFace = "ＭＳ ゴシック";

} // namespace orv
