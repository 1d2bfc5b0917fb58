// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/Picture.h"

#include "framework/drawing/Canvas.h"
#include "framework/files/Resources.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <vector>

namespace orv {

// The picture at its own size first, then sharper versions for scaled
// screens, each marked with its scale.
struct TPicture::Images {
    std::vector<QImage> byScale;
};

TPicture::TPicture() : images_(std::make_unique<Images>()) {}

TPicture::~TPicture() = default;

bool TPicture::Empty() const {
    return images_->byScale.empty();
}
int TPicture::Width() const {
    return Empty() ? 0 : images_->byScale.front().width();
}
int TPicture::Height() const {
    return Empty() ? 0 : images_->byScale.front().height();
}

void TPicture::Assign(const TPicture& source) {
    images_->byScale = source.images_->byScale;
}

void TPicture::Clear() {
    images_->byScale.clear();
}

bool TPicture::LoadIcon(const std::string& resourceName) {
    Clear();
    const QImage plain(QString::fromStdString(ResourcePath(TResourceType::rtIcon, resourceName)));
    if (plain.isNull())
        return false;
    images_->byScale.push_back(plain);
    for (const int scale : {2, 3}) {
        QImage sharp(QString::fromStdString(
            ResourcePath(TResourceType::rtIcon, resourceName + "@" + std::to_string(scale) + "x")));
        if (sharp.isNull())
            continue;
        sharp.setDevicePixelRatio(scale);
        images_->byScale.push_back(sharp);
    }
    return true;
}

void TPicture::Draw(TCanvas& canvas, int x, int y) const {
    if (Empty())
        return;
    canvas.PaintWith([&](QPainter& p) {
        const qreal scale = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        // The first version at least as sharp as the screen, else the sharpest.
        const QImage* chosen = &images_->byScale.back();
        for (const QImage& image : images_->byScale)
            if (image.devicePixelRatio() >= scale) {
                chosen = &image;
                break;
            }
        p.drawImage(QRectF(x, y, Width(), Height()), *chosen);
    });
}

} // namespace orv
