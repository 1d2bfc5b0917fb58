#include "Picture.h"

#include "Canvas.h"
#include "Resources.h"

#include <QImage>
#include <QPainter>

namespace orv {

TPicture::TPicture() : image_(std::make_unique<QImage>()) {}

TPicture::~TPicture() = default;

bool TPicture::Empty() const {
    return image_->isNull();
}
int TPicture::Width() const {
    return image_->width();
}
int TPicture::Height() const {
    return image_->height();
}

void TPicture::Assign(const TPicture& source) {
    *image_ = *source.image_;
}

void TPicture::Clear() {
    *image_ = QImage();
}

bool TPicture::LoadIcon(const std::string& resourceName) {
    *image_ = QImage(QString::fromStdString(ResourcePath(TResourceType::rtIcon, resourceName)));
    return !image_->isNull();
}

void TPicture::Draw(TCanvas& canvas, int x, int y) const {
    if (image_->isNull())
        return;
    canvas.PaintWith([&](QPainter& p) { p.drawImage(x, y, *image_); });
}

} // namespace orv
