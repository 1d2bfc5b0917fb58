// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "title.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <vector>

namespace resgen {

namespace {

// Letters are centre-line strokes on a grid 0..width by 0..6, thickened to
// block capitals. Stroking keeps every letter the same weight; chamfered
// corners give the machined look.
constexpr double kStroke = 1.3;
constexpr double kTop = -kStroke / 2;
constexpr double kBottom = 6.0 + kStroke / 2;
constexpr double kGap = 1.2;

struct Glyph {
    double width;
    std::vector<std::vector<QPointF>> strokes;
};

Glyph glyphFor(QChar c) {
    switch (c.toUpper().unicode()) {
    case 'O':
        return {4,
                {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}, {3, 0}}}};
    case 'R':
        return {
            4,
            {{{0, 6.6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{1.9, 3}, {4.2, 6.8}}}};
    case 'B':
        return {4,
                {{{0, 3},
                  {3, 3},
                  {4, 4},
                  {4, 5},
                  {3, 6},
                  {0, 6},
                  {0, 0},
                  {2.8, 0},
                  {3.8, 1},
                  {3.8, 2},
                  {2.8, 3}}}};
    case 'I':
        return {2, {{{1, 0}, {1, 6}}, {{0, 0}, {2, 0}}, {{0, 6}, {2, 6}}}};
    case 'T':
        return {4, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6.6}}}};
    case 'A':
        return {4, {{{0, 6.6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6.6}}, {{0, 3.5}, {4, 3.5}}}};
    case 'V':
        return {4, {{{0, -0.6}, {0, 3}, {2, 6}, {4, 3}, {4, -0.6}}}};
    case 'E':
        return {4, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}};
    case 'N':
        return {4, {{{0, 6.6}, {0, 0}, {4, 6}, {4, -0.6}}}};
    default:
        return {3, {}};
    }
}

QPainterPath glyphPath(const Glyph& g) {
    QPainterPathStroker stroker;
    stroker.setWidth(kStroke);
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(4);

    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (const auto& line : g.strokes) {
        QPainterPath centre(line.front());
        for (size_t i = 1; i < line.size(); ++i)
            centre.lineTo(line[i]);
        shape.addPath(stroker.createStroke(centre));
    }
    // Square caps and miters on the diagonals poke out of the letter cell;
    // trimming to the cell keeps tops and baselines straight.
    QPainterPath cell;
    cell.addRect(QRectF(-kStroke / 2, kTop, g.width + kStroke, kBottom - kTop));
    return shape.simplified().intersected(cell);
}

} // namespace

QPainterPath wordPath(const QString& word, double* advance) {
    QPainterPath path;
    double x = 0.0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const Glyph g = glyphFor(word[i]);
        if (i > 0)
            x += kGap;
        path.addPath(glyphPath(g).translated(x + kStroke / 2, 0));
        x += g.width + kStroke;
    }
    if (advance)
        *advance = x;
    return path;
}

QImage makeTitle() {
    constexpr double scaleX = 4.6;
    constexpr double scaleY = 4.0;
    constexpr double slant = 0.28;      // horizontal shift per unit of height
    constexpr int lineTop[2] = {5, 45}; // top of each line's letters, in pixels
    const QString lines[2] = {QStringLiteral("ORBIT"), QStringLiteral("RAVEN")};

    // Pass 1: letter bodies as a mask.
    QImage mask(kTitleWidth, kTitleHeight, QImage::Format_ARGB32);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < 2; ++i) {
            double advance = 0.0;
            const QPainterPath word = wordPath(lines[i], &advance);
            // Shear about the baseline so the letters lean right.
            QTransform t(scaleX, 0, -slant * scaleY, scaleY, 0, 0);
            const double height = (kBottom - kTop) * scaleY;
            const double width = advance * scaleX + slant * height;
            const double left = (kTitleWidth - width) / 2.0;
            t = t * QTransform::fromTranslate(left + slant * scaleY * kBottom,
                                              lineTop[i] - kTop * scaleY);
            p.drawPath(t.map(word));
        }
    }

    // Pass 2: body in lime; everything within two pixels of it in dark green.
    QImage out = blankVga(kTitleWidth, kTitleHeight);
    auto body = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kTitleWidth && y < kTitleHeight &&
               qRed(mask.pixel(x, y)) > 128;
    };
    for (int y = 0; y < kTitleHeight; ++y) {
        for (int x = 0; x < kTitleWidth; ++x) {
            if (body(x, y)) {
                out.setPixel(x, y, Lime);
                continue;
            }
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx)
                    if (dx * dx + dy * dy <= 5 && body(x + dx, y + dy))
                        near = true;
            if (near)
                out.setPixel(x, y, Green);
        }
    }
    return out;
}

} // namespace resgen
