// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <memory>
#include <vector>

class QImage;

namespace orv {

class TBitmap;
class TCanvas;

// Equal-sized pictures drawn with one colour left out (transparent).
class TImageList {
public:
    TImageList(int width = 16, int height = 16);
    ~TImageList();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Cuts the bitmap into pictures of the list's size, left to right, and
    // appends them; pixels of the mask colour become transparent.
    void AddMasked(const TBitmap& bitmap, TColor maskColor);
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    void Clear();

private:
    int width_;
    int height_;
    std::vector<std::unique_ptr<QImage>> images_;
};

} // namespace orv
