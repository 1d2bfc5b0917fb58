// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

class QPainter;

namespace resgen {

// The classic 16 VGA colours; index 0 (black) is the game's transparent colour.
enum Vga : int {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};

const QList<QRgb>& vgaPalette();
QRgb vga(int index);

// A w x h 8-bit indexed image with the VGA colour table, all black.
QImage blankVga(int w, int h);

// Nearest-colour mapping to the VGA palette; mostly transparent pixels become
// black (the transparent colour).
QImage quantiseToVga(const QImage& src);

// Draws with a non-antialiased QPainter on a black ARGB canvas, then quantises.
QImage paintVga(int w, int h, const std::function<void(QPainter&)>& draw);

// Saves as BMP; Qt stores an indexed image with <= 16 colours as 4 bits per pixel.
bool saveBmp(const QImage& img, const QString& path);

// Nearest-neighbour enlargement for looking at the pictures.
QImage enlarge(const QImage& img, int factor);

} // namespace resgen
