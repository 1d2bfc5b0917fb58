// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orv {

// Colours are 0x00BBGGRR like the stored form values they come from.
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clGreen = RGB(0, 128, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clBtnFace = RGB(192, 192, 192);

// The system colours of sunken frames and edit boxes.
constexpr TColor clBtnShadow = RGB(128, 128, 128);
constexpr TColor clBtnHighlight = RGB(255, 255, 255);
constexpr TColor cl3DDkShadow = RGB(64, 64, 64);
constexpr TColor cl3DLight = RGB(223, 223, 223);
constexpr TColor clWindow = RGB(255, 255, 255);
constexpr TColor clWindowText = RGB(0, 0, 0);
constexpr TColor clGrayText = RGB(128, 128, 128);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive, as everywhere in the drawing calls.
// A place and size, as forms store their controls' and windows are placed.
// Unlike a TRect it has no right and bottom edge, whose sums a stored place
// could make overflow.
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TBounds&, const TBounds&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The rectangle spanned by two opposite corners given in any order.
constexpr TRect NormalizedRect(int x1, int y1, int x2, int y2) {
    return {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, x1 < x2 ? x2 : x1, y1 < y2 ? y2 : y1};
}

} // namespace orv
