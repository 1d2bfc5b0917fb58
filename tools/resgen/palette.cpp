// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette.h"

#include <QPainter>
#include <limits>

namespace resgen {

const QList<QRgb>& vgaPalette() {
    static const QList<QRgb> table = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return table;
}

QRgb vga(int index) {
    return vgaPalette().at(index);
}

QImage blankVga(int w, int h) {
    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorTable(vgaPalette());
    img.fill(0);
    return img;
}

QImage quantiseToVga(const QImage& src) {
    const QImage argb = src.convertToFormat(QImage::Format_ARGB32);
    QImage out = blankVga(argb.width(), argb.height());
    const auto& pal = vgaPalette();
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) < 128) {
                dst[x] = Black;
                continue;
            }
            int best = 0;
            int bestDist = std::numeric_limits<int>::max();
            for (int i = 0; i < pal.size(); ++i) {
                const int dr = qRed(c) - qRed(pal[i]);
                const int dg = qGreen(c) - qGreen(pal[i]);
                const int db = qBlue(c) - qBlue(pal[i]);
                const int d = dr * dr + dg * dg + db * db;
                if (d < bestDist) {
                    bestDist = d;
                    best = i;
                }
            }
            dst[x] = static_cast<uchar>(best);
        }
    }
    return out;
}

QImage paintVga(int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage canvas(w, h, QImage::Format_ARGB32);
    canvas.fill(vga(Black));
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, false);
        draw(p);
    }
    return quantiseToVga(canvas);
}

bool saveBmp(const QImage& img, const QString& path) {
    return img.save(path, "BMP");
}

QImage enlarge(const QImage& img, int factor) {
    return img.scaled(img.width() * factor, img.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

} // namespace resgen
