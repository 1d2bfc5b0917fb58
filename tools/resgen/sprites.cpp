// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sprites.h"

#include "palette.h"
#include "rng.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace resgen {

namespace {

constexpr double kCentre = (kUnitSize - 1) / 2.0; // between the middle four pixels

struct Px {
    double dx, dy, r;
    // Light from the upper left: +1 facing it, -1 facing away.
    double light() const { return r > 0.0 ? -(dx + dy) / (r * std::numbers::sqrt2) : 1.0; }
};

template <typename F> QImage shade(F colourAt) {
    QImage img = blankVga(kUnitSize, kUnitSize);
    for (int y = 0; y < kUnitSize; ++y) {
        for (int x = 0; x < kUnitSize; ++x) {
            const double dx = x - kCentre, dy = y - kCentre;
            img.setPixel(x, y, static_cast<uint>(colourAt(x, y, Px{dx, dy, std::hypot(dx, dy)})));
        }
    }
    return img;
}

// Stable per-pixel random value in [0, 1), so the pictures never change
// between runs.
double pixelNoise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 0x8da6b343u) ^
                      (static_cast<std::uint32_t>(y) * 0xd8163841u);
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (h >> 8) * (1.0 / 16777216.0);
}

// Ragged outline for the bursts: a radius per direction, random lobes joined
// smoothly around the circle.
class BurstOutline {
public:
    BurstOutline(std::uint32_t seed, int lobes, double minFrac, double radius) : radius_(radius) {
        Rng rng(seed);
        for (int i = 0; i < lobes; ++i)
            lobes_.push_back(minFrac + (1.0 - minFrac) * rng.uniform());
    }

    double at(double dx, double dy) const {
        double a = std::atan2(dy, dx) / (2.0 * std::numbers::pi);
        if (a < 0.0)
            a += 1.0;
        const double pos = a * static_cast<double>(lobes_.size());
        const int i = static_cast<int>(pos) % static_cast<int>(lobes_.size());
        const int j = (i + 1) % static_cast<int>(lobes_.size());
        const double t = pos - std::floor(pos);
        const double w = (1.0 - std::cos(t * std::numbers::pi)) * 0.5;
        return radius_ * (lobes_[i] + (lobes_[j] - lobes_[i]) * w);
    }

private:
    double radius_;
    std::vector<double> lobes_;
};

} // namespace

QImage makePlayerShip() {
    return shade([](int x, int y, const Px& p) -> int {
        if (p.r > 7.6)
            return Black;
        const double l = p.light();
        if (p.r > 6.3) // hull rim
            return l > 0.3 ? Silver : Grey;
        if (p.r <= 2.6) { // reactor core
            if (x == 6 && y == 6)
                return White;
            return l < -0.4 && p.r > 1.2 ? Teal : Aqua;
        }
        if (p.r <= 3.6) // collar around the core
            return Grey;
        // Four diagonal struts split the hull into panels.
        if (x == y || x == kUnitSize - 1 - y)
            return Grey;
        if (l > 0.6 && p.r < 5.9)
            return White;
        if (l < -0.6 && p.r > 4.8)
            return Grey;
        return Silver;
    });
}

QImage makeEnemy() {
    // Drawn by hand: at this size a formula cannot place the claws cleanly.
    // g grey, s silver, R red, Y yellow; the lower right is then put in shadow.
    // clang-format off
    static const char* const rows[kUnitSize] = {
        "................",
        ".gg..........gg.",
        ".gsg........gsg.",
        "..gsg.gggg.gsg..",
        "...gsgssssgsg...",
        "....gsRRRRsg....",
        "...gsRRYYRRsg...",
        "...gsRYYYYRsg...",
        "...gsRYYYYRsg...",
        "...gsRRYYRRsg...",
        "....gsRRRRsg....",
        "...gsgssssgsg...",
        "..gsg.gggg.gsg..",
        ".gsg........gsg.",
        ".gg..........gg.",
        "................",
    };
    // clang-format on
    return shade([](int x, int y, const Px& p) -> int {
        const bool shadow = p.light() < -0.5 && p.r > 2.0;
        switch (rows[y][x]) {
        case 'g':
            return Grey;
        case 's':
            return shadow ? Grey : Silver;
        case 'R':
            return shadow ? Maroon : Red;
        case 'Y':
            return Yellow;
        default:
            return Black;
        }
    });
}

QImage makeMine() {
    // A spiked ball: grey body, red warning light, white-tipped prongs.
    return shade([](int, int, const Px& p) -> int {
        const double l = p.light();
        const bool cardinal = std::abs(p.dx) < 1.0 || std::abs(p.dy) < 1.0;
        const bool diagonal = std::abs(std::abs(p.dx) - std::abs(p.dy)) < 0.1;
        if (p.r <= 1.0)
            return Red;
        if (p.r <= 3.0)
            return l > 0.5 ? Silver : Grey;
        if (cardinal && p.r <= 5.6)
            return p.r > 4.6 ? White : Grey;
        if (diagonal && p.r <= 5.0)
            return p.r > 4.0 ? Red : Grey;
        return Black;
    });
}

QImage makeExplosionA() {
    const BurstOutline outline(0xb0a5701u, 11, 0.6, 7.8);
    return shade([&](int x, int y, const Px& p) -> int {
        const double edge = outline.at(p.dx, p.dy);
        const double q = p.r / edge + (pixelNoise(x, y, 0xa1) - 0.5) * 0.25;
        if (q < 0.28)
            return p.r < 1.0 ? White : Yellow;
        if (q < 0.5)
            return Yellow;
        if (q < 0.78)
            return pixelNoise(x, y, 0xa2) < 0.2 ? Yellow : Red;
        if (q < 1.0)
            return pixelNoise(x, y, 0xa3) < 0.25 ? Red : Grey;
        // Flying sparks just past the fireball.
        if (p.r < 8.0 && q < 1.4 && pixelNoise(x, y, 0xa4) < 0.12)
            return pixelNoise(x, y, 0xa5) < 0.5 ? Yellow : Red;
        return Black;
    });
}

QImage makeExplosionB() {
    // Later in the blast: the centre has burnt out to smoke and the fire
    // has spread into a broken ring.
    const BurstOutline outline(0xb0a5702u, 9, 0.7, 8.0);
    return shade([&](int x, int y, const Px& p) -> int {
        const double edge = outline.at(p.dx, p.dy);
        const double q = p.r / edge + (pixelNoise(x, y, 0xb1) - 0.5) * 0.3;
        if (q < 0.32)
            return pixelNoise(x, y, 0xb2) < 0.55 ? Grey : Black;
        if (q < 0.5)
            return pixelNoise(x, y, 0xb3) < 0.5 ? Red : Grey;
        if (q < 0.72)
            return Yellow;
        if (q < 0.92)
            return pixelNoise(x, y, 0xb4) < 0.15 ? Maroon : Red;
        if (q < 1.05)
            return pixelNoise(x, y, 0xb5) < 0.6 ? Grey : Black;
        if (p.r < 8.0 && pixelNoise(x, y, 0xb6) < 0.1)
            return pixelNoise(x, y, 0xb7) < 0.5 ? Yellow : Grey;
        return Black;
    });
}

QImage makeSmallBurst() {
    const BurstOutline outline(0xb0a5703u, 7, 0.65, 4.6);
    return shade([&](int x, int y, const Px& p) -> int {
        const double edge = outline.at(p.dx, p.dy);
        const double q = p.r / edge + (pixelNoise(x, y, 0xc1) - 0.5) * 0.2;
        if (q < 0.35)
            return White;
        if (q < 0.65)
            return Yellow;
        if (q < 1.0)
            return Red;
        if (p.r < 6.5 && q < 1.6 && pixelNoise(x, y, 0xc2) < 0.15)
            return pixelNoise(x, y, 0xc3) < 0.5 ? Yellow : Red;
        return Black;
    });
}

} // namespace resgen
