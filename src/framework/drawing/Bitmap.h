// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/drawing/Canvas.h"

#include <functional>
#include <memory>
#include <string>

class QImage;
class QPainter;

namespace orv {

// An off-screen picture with its own canvas. Resizing keeps the picture's
// top-left part; new area is black. Every change (size, new image, drawing)
// raises OnChange.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    void SetSize(int width, int height);
    bool Empty() const;

    // Takes a copy of another bitmap's picture; null empties this one.
    void Assign(const TBitmap* source);
    void LoadFromResourceID(int id);
    void LoadFromResourceName(const std::string& name);
    void LoadFromFile(const std::string& path);

    TCanvas& Canvas() { return canvas_; }
    TColor Pixel(int x, int y) const;

    std::function<void()> OnChange;

    // Framework access to the pixels.
    const QImage& Image() const { return *image_; }
    void SetImage(const QImage& image);

private:
    class BitmapCanvas : public TCanvas {
    public:
        explicit BitmapCanvas(TBitmap& owner);
        ~BitmapCanvas() override;

    protected:
        QPainter* BeginPaint() override;
        void EndPaint() override;
        void Changed() override { owner_.Changed(); }

    private:
        TBitmap& owner_;
        std::unique_ptr<QPainter> painter_;
    };

    void Changed();

    // A picture may be 0 pixels in one direction; QImage may not, so the size
    // is kept here and the image is null until both sides are positive.
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<QImage> image_;
    BitmapCanvas canvas_{*this};
};

} // namespace orv
