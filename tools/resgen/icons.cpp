// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace resgen {

namespace {

QImage transparentCanvas(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// The craft from the 16 x 16 picture, redrawn smoothly: grey rim, lit silver
// hull split by four diagonal struts, grey collar, cyan core.
void drawShip(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 96, 104));
    p.drawEllipse(c, r, r);

    QRadialGradient hull(c, r * 0.9, c - QPointF(r * 0.45, r * 0.45));
    hull.setColorAt(0.0, QColor(255, 255, 255));
    hull.setColorAt(0.55, QColor(196, 196, 204));
    hull.setColorAt(1.0, QColor(120, 120, 130));
    p.setBrush(hull);
    p.drawEllipse(c, r * 0.84, r * 0.84);

    QPen strut(QColor(110, 110, 120), r * 0.12);
    strut.setCapStyle(Qt::FlatCap);
    p.setPen(strut);
    const double d = r * 0.84 * 0.7071;
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    p.setPen(Qt::NoPen);

    p.setBrush(QColor(110, 110, 120));
    p.drawEllipse(c, r * 0.48, r * 0.48);

    QRadialGradient core(c, r * 0.36, c - QPointF(r * 0.12, r * 0.12));
    core.setColorAt(0.0, QColor(220, 255, 255));
    core.setColorAt(0.5, QColor(0, 240, 255));
    core.setColorAt(1.0, QColor(0, 128, 150));
    p.setBrush(core);
    p.drawEllipse(c, r * 0.36, r * 0.36);
}

} // namespace

QImage makeMainIcon(int size) {
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    const QPointF c(16, 16);

    // Deep space disc.
    QRadialGradient space(c, 16);
    space.setColorAt(0.0, QColor(24, 32, 72));
    space.setColorAt(1.0, QColor(6, 8, 24));
    p.setPen(QPen(QColor(40, 56, 110), 0.8));
    p.setBrush(space);
    p.drawEllipse(c, 15.4, 15.4);

    // A few fixed stars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 210, 255));
    for (const QPointF s : {QPointF(7, 9), QPointF(24, 6.5), QPointF(26, 21), QPointF(9, 25)})
        p.drawEllipse(s, 0.55, 0.55);

    // Orbit ring: the back half goes behind the craft, the front half over it.
    QPen ring(QColor(0, 220, 255), 1.3);
    p.save();
    p.translate(c);
    p.rotate(-24);
    const QRectF orbit(-14, -4.6, 28, 9.2);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(orbit, 0 * 16, 180 * 16);
    p.restore();

    drawShip(p, c, 9.0);

    p.save();
    p.translate(c);
    p.rotate(-24);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(orbit, 180 * 16, 180 * 16);
    // A small moon riding the ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QPointF(-9.5, 3.4), 1.5, 1.5);
    p.restore();
    return img;
}

QImage makeStudioIcon(int size) {
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    const QPointF c(16, 16);

    QLinearGradient disc(QPointF(4, 4), QPointF(28, 28));
    disc.setColorAt(0.0, QColor(150, 40, 190));
    disc.setColorAt(1.0, QColor(50, 10, 90));
    p.setPen(QPen(QColor(255, 200, 60), 2.0));
    p.setBrush(disc);
    p.drawEllipse(c, 14.6, 14.6);

    // A slanted Z: two bars joined by a thick diagonal.
    QPainterPath z;
    z.moveTo(9.5, 8.5);
    z.lineTo(23.5, 8.5);
    z.lineTo(22.5, 12.0);
    z.lineTo(14.0, 20.5);
    z.lineTo(22.5, 20.5);
    z.lineTo(21.5, 23.5);
    z.lineTo(7.5, 23.5);
    z.lineTo(8.5, 20.0);
    z.lineTo(17.0, 11.5);
    z.lineTo(8.7, 11.5);
    z.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 0, 50, 160));
    p.drawPath(z.translated(0.8, 0.8)); // drop shadow
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(z);
    return img;
}

} // namespace resgen
