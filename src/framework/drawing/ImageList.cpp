// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/ImageList.h"

#include "framework/drawing/Bitmap.h"

#include <QImage>
#include <QPainter>

namespace orv {

TImageList::TImageList(int width, int height) : width_(width), height_(height) {}

TImageList::~TImageList() = default;

void TImageList::Clear() {
    images_.clear();
}

void TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
    const QRgb mask = qRgb(GetRValue(maskColor), GetGValue(maskColor), GetBValue(maskColor));
    for (int left = 0; left + width_ <= bitmap.Width(); left += width_) {
        QImage picture = bitmap.Image()
                             .copy(left, 0, width_, height_)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if ((line[x] | 0xFF000000u) == (mask | 0xFF000000u))
                    line[x] = 0;
        }
        images_.push_back(std::make_unique<QImage>(std::move(picture)));
    }
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count())
        return;
    const QImage& picture = *images_[static_cast<std::size_t>(index)];
    canvas.PaintWith([&](QPainter& p) { p.drawImage(x, y, picture); });
}

} // namespace orv
