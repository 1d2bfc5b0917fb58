// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/Canvas.h"

#include "framework/drawing/Bitmap.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace orv {
namespace {

QColor ToQColor(TColor c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

QBrush ToQBrush(const TBrush& brush) {
    switch (brush.Style) {
    case TBrushStyle::bsSolid:
        return QBrush(ToQColor(brush.Color));
    case TBrushStyle::bsCross:
        return QBrush(ToQColor(brush.Color), Qt::CrossPattern);
    case TBrushStyle::bsClear:
        break;
    }
    return QBrush(Qt::NoBrush);
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

void TCanvas::PaintWith(const std::function<void(QPainter&)>& fn) {
    QPainter* painter = BeginPaint();
    if (!painter)
        return;
    painter->save();
    fn(*painter);
    painter->restore();
    EndPaint();
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0 || brush_.Style == TBrushStyle::bsClear)
        return;
    const QBrush brush = ToQBrush(brush_);
    PaintWith([&](QPainter& p) { p.fillRect(ToQRect(rect), brush); });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const TRect r = NormalizedRect(x1, y1, x2, y2);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    FillRect(r);
    if (pen_.Style == TPenStyle::psClear)
        return;
    const QColor color = ToQColor(pen_.Color);
    PaintWith([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        const int w = pen_.Width < 1 ? 1 : pen_.Width;
        p.drawRect(r.Left, r.Top, r.Width(), w);
        p.drawRect(r.Left, r.Bottom - w, r.Width(), w);
        p.drawRect(r.Left, r.Top, w, r.Height());
        p.drawRect(r.Right - w, r.Top, w, r.Height());
    });
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (pen_.Style == TPenStyle::psClear || from == penPos_)
        return;
    // The end point itself stays unpainted; step back one pixel along the
    // major axis.
    const int dx = x - from.X;
    const int dy = y - from.Y;
    const bool majorX = std::abs(dx) >= std::abs(dy);
    const QPoint end(majorX ? x - Sign(dx) : x - (dx * Sign(dy)) / (dy ? std::abs(dy) : 1),
                     majorX ? y - (dy * Sign(dx)) / (dx ? std::abs(dx) : 1) : y - Sign(dy));
    QPen pen(ToQColor(pen_.Color));
    pen.setWidth(pen_.Width <= 1 ? 0 : pen_.Width);
    PaintWith([&](QPainter& p) {
        p.setPen(pen);
        p.drawLine(QPoint(from.X, from.Y), end);
    });
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    PaintWith([&](QPainter& p) { p.drawImage(x, y, bitmap.Image()); });
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    PaintWith([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(ToQRect(dest), bitmap.Image());
    });
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    if (dest.Width() != sourceRect.Width() || dest.Height() != sourceRect.Height()) {
        PaintWith([&](QPainter& p) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(ToQRect(dest), source.Image(), ToQRect(sourceRect));
        });
        return;
    }
    // An unscaled copy: the part of the source outside the picture is left
    // out and the destination shifted to match, never stretched.
    const QRect wanted = ToQRect(sourceRect);
    const QRect inside = wanted.intersected(source.Image().rect());
    if (inside.isEmpty())
        return;
    const QPoint target(dest.Left + inside.left() - wanted.left(),
                        dest.Top + inside.top() - wanted.top());
    PaintWith([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(target, source.Image(), inside);
    });
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    const QFont qfont = font_.ToQFont();
    const bool opaque = brush_.Style == TBrushStyle::bsSolid;
    const QColor background = ToQColor(brush_.Color);
    const QColor foreground = ToQColor(font_.Color());
    PaintWith([&](QPainter& p) {
        p.setFont(qfont);
        const QFontMetrics metrics(qfont);
        if (opaque)
            p.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()), background);
        p.setPen(foreground);
        p.drawText(x, y + metrics.ascent(), qtext);
    });
    penPos_ = {x + TextWidth(text), y};
}

TSize TCanvas::TextExtent(const std::string& text) const {
    const QFontMetrics metrics(font_.ToQFont());
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

TRect TCanvas::TextInk(const std::string& text) const {
    const QFontMetricsF metrics(font_.ToQFont());
    const QRectF ink = metrics.tightBoundingRect(QString::fromStdString(text));
    const qreal ascent = metrics.ascent();
    return {static_cast<int>(std::floor(ink.left())),
            static_cast<int>(std::floor(ascent + ink.top())),
            static_cast<int>(std::ceil(ink.right())),
            static_cast<int>(std::ceil(ascent + ink.bottom()))};
}

} // namespace orv
