// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

namespace resgen {

constexpr int kTitleWidth = 180;
constexpr int kTitleHeight = 80;

// Outline of a word in the home-made block capitals, upright, in letter
// units: cap height runs from -0.6 to 6.6. Only the letters the game needs
// exist; an unknown character becomes a blank. `advance` receives the width.
QPainterPath wordPath(const QString& word, double* advance = nullptr);

// "ORBIT" over "RAVEN": slanted lime capitals with a dark green outline.
QImage makeTitle();

} // namespace resgen
