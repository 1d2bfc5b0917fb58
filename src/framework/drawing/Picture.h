// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace orv {

class TCanvas;

// One image of any kind the program uses (here icons, with transparency), or
// nothing.
class TPicture {
public:
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    ~TPicture();

    bool Empty() const;
    int Width() const;
    int Height() const;
    // Takes a copy of another picture's image.
    void Assign(const TPicture& source);
    void Clear();
    // Loads an icon resource of the program, with the sharper versions drawn
    // for scaled screens where they exist; a missing one leaves the picture
    // empty and returns false.
    bool LoadIcon(const std::string& resourceName);
    // Draws the image with its top-left corner at (x, y); nothing when empty.
    // On a scaled screen the sharpest version for the scale is drawn, at the
    // same size.
    void Draw(TCanvas& canvas, int x, int y) const;

private:
    struct Images;
    std::unique_ptr<Images> images_;
};

} // namespace orv
