// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"
#include "framework/drawing/Font.h"

#include <functional>
#include <string>

class QPainter;

namespace orv {

class TBitmap;

enum class TPenStyle : std::uint8_t { psSolid, psClear };
enum class TBrushStyle : std::uint8_t { bsSolid, bsClear, bsCross };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// A drawing surface with the classic pen, brush and font state. Rectangles
// exclude their right and bottom edges; a line excludes its end point; text is
// written with an opaque background only while the brush is solid.
class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    TPoint PenPos() const { return penPos_; }

    void FillRect(const TRect& rect);
    void Rectangle(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    void TextOut(int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text) const;
    int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) const { return TextExtent(text).cy; }
    // The pixels the text really covers, relative to where TextOut puts its
    // top-left corner.
    TRect TextInk(const std::string& text) const;

    // For the framework's own drawing helpers (image lists, icons): runs fn
    // with a painter on this surface and reports the change.
    void PaintWith(const std::function<void(QPainter&)>& fn);

protected:
    // The surface's painter for one drawing call; null when there is nothing
    // to draw on.
    virtual QPainter* BeginPaint() = 0;
    virtual void EndPaint() {}
    virtual void Changed() {}

private:
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint penPos_;
};

} // namespace orv
