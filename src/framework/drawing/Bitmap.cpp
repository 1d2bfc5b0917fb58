// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/Bitmap.h"

#include "framework/files/Resources.h"
#include "framework/texts/Exceptions.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace orv {
namespace {

constexpr QImage::Format kFormat = QImage::Format_RGB32;

QImage Resized(const QImage& image, int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    QImage result(width, height, kFormat);
    result.fill(Qt::black);
    if (!image.isNull() && !result.isNull()) {
        QPainter p(&result);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image);
    }
    return result;
}

} // namespace

TBitmap::TBitmap() : image_(std::make_unique<QImage>()) {}

TBitmap::TBitmap(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      image_(std::make_unique<QImage>(Resized({}, width, height))) {}

TBitmap::~TBitmap() = default;

TBitmap::BitmapCanvas::BitmapCanvas(TBitmap& owner) : owner_(owner) {}

TBitmap::BitmapCanvas::~BitmapCanvas() = default;

QPainter* TBitmap::BitmapCanvas::BeginPaint() {
    if (owner_.image_->isNull())
        return nullptr;
    painter_ = std::make_unique<QPainter>(owner_.image_.get());
    return painter_.get();
}

void TBitmap::BitmapCanvas::EndPaint() {
    painter_.reset();
}

int TBitmap::Width() const {
    return width_;
}
int TBitmap::Height() const {
    return height_;
}
bool TBitmap::Empty() const {
    return width_ == 0 || height_ == 0;
}

void TBitmap::SetWidth(int width) {
    SetSize(width, Height());
}
void TBitmap::SetHeight(int height) {
    SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    *image_ = Resized(*image_, width, height);
    Changed();
}

void TBitmap::Assign(const TBitmap* source) {
    if (source) {
        width_ = source->width_;
        height_ = source->height_;
        *image_ = source->Image();
    } else {
        width_ = height_ = 0;
        *image_ = QImage();
    }
    Changed();
}

void TBitmap::SetImage(const QImage& image) {
    *image_ = image.convertToFormat(kFormat);
    width_ = image_->width();
    height_ = image_->height();
    Changed();
}

void TBitmap::LoadFromResourceID(int id) {
    LoadFromResourceName(std::to_string(id));
}

void TBitmap::LoadFromResourceName(const std::string& name) {
    const QImage image(QString::fromStdString(ResourcePath(TResourceType::rtBitmap, name)));
    if (image.isNull())
        throw EResNotFound(name);
    SetImage(image);
}

void TBitmap::LoadFromFile(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    if (image.isNull())
        throw EInOutError(Format(FrameworkTexts::ImageUnreadable, {path}));
    SetImage(image);
}

TColor TBitmap::Pixel(int x, int y) const {
    if (!image_->valid(x, y))
        return clBlack;
    const QRgb rgb = image_->pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TBitmap::Changed() {
    if (OnChange)
        OnChange();
}

} // namespace orv
