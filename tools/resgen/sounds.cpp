// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounds.h"

#include "rng.h"
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace resgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Coefficient for a one-pole low-pass with the given cutoff.
double onePole(double cutoffHz) {
    return 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
}

// Short linear ramps at both ends so a sound never starts or stops with a click.
void fadeEdges(std::vector<double>& s, int fadeIn, int fadeOut) {
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < fadeIn && i < n; ++i)
        s[i] *= static_cast<double>(i) / fadeIn;
    for (int i = 0; i < fadeOut && i < n; ++i)
        s[n - 1 - i] *= static_cast<double>(i) / fadeOut;
}

// Slowly varying random value in [lo, hi]: random targets every `step`
// samples joined by cosine interpolation.
class Wobble {
public:
    Wobble(std::uint32_t seed, int step, double lo, double hi)
        : rng_(seed), step_(step), lo_(lo), hi_(hi) {
        a_ = pick();
        b_ = pick();
    }

    double next() {
        if (pos_ == step_) {
            pos_ = 0;
            a_ = b_;
            b_ = pick();
        }
        const double t = static_cast<double>(pos_++) / step_;
        const double w = (1.0 - std::cos(t * std::numbers::pi)) * 0.5;
        return a_ + (b_ - a_) * w;
    }

private:
    double pick() { return lo_ + (hi_ - lo_) * rng_.uniform(); }

    Rng rng_;
    int step_;
    double lo_, hi_;
    double a_ = 0.0, b_ = 0.0;
    int pos_ = 0;
};

// Gentle saturation: lifts the quieter tail of a burst relative to its peak,
// so the explosions stay audible without hard clipping.
void softClip(std::vector<double>& s, double drive) {
    double maxAbs = 0.0;
    for (double v : s)
        maxAbs = std::max(maxAbs, std::abs(v));
    if (maxAbs == 0.0)
        return;
    for (double& v : s)
        v = std::tanh(drive * v / maxAbs);
}

} // namespace

std::vector<std::uint8_t> makeLaser() {
    std::vector<double> s(kLaserSamples);
    const double duration = static_cast<double>(kLaserSamples) / kSampleRate;
    const double fStart = 2500.0, fEnd = 300.0;
    double phase = 0.0;
    double smooth = 0.0;
    const double lp = onePole(6000.0); // takes the worst aliasing off the edges
    for (int i = 0; i < kLaserSamples; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Exponential sweep: equal pitch drop per unit time sounds like a zap,
        // a linear one lingers too long up high.
        const double f = fStart * std::pow(fEnd / fStart, t / duration);
        phase += f / kSampleRate;
        phase -= std::floor(phase);
        const double square = phase < 0.5 ? 1.0 : -1.0;
        const double saw = 2.0 * phase - 1.0;
        const double wave = 0.6 * square + 0.4 * saw;
        const double env = std::exp(-t / 0.085);
        smooth += lp * (wave * env - smooth);
        s[i] = smooth;
    }
    fadeEdges(s, 22, 220);
    return toPcm8(s, kSoundPeak);
}

std::vector<std::uint8_t> makeEnemyExplode() {
    Rng rng(0x5eed0e01u);
    std::vector<double> s(kEnemyExplodeSamples);
    double lp1 = 0.0, lp2 = 0.0;
    double thumpPhase = 0.0;
    for (int i = 0; i < kEnemyExplodeSamples; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // The noise darkens as it dies away, like debris flying off.
        const double cutoff = 400.0 + 3200.0 * std::exp(-t / 0.07);
        const double a = onePole(cutoff);
        lp1 += a * (rng.bipolar() - lp1);
        lp2 += a * (lp1 - lp2);
        const double noise = lp2 * 2.2;

        // A quick low thump under the noise gives the burst some weight.
        const double thumpFreq = 50.0 + 110.0 * std::exp(-t / 0.05);
        thumpPhase += thumpFreq / kSampleRate;
        const double thump = std::sin(kTwoPi * thumpPhase) * std::exp(-t / 0.06) * 0.45;

        const double env = std::exp(-t / 0.11);
        s[i] = noise * env + thump;
    }
    softClip(s, 2.0);
    fadeEdges(s, 44, 440);
    return toPcm8(s, kSoundPeak);
}

std::vector<std::uint8_t> makeShipExplode() {
    Rng rng(0x5eed0e02u);
    Wobble wobble(0x5eed0e03u, 1400, 0.45, 1.0);
    std::vector<double> s(kShipExplodeSamples);
    double lp1 = 0.0, lp2 = 0.0, lp3 = 0.0;
    double brown = 0.0;
    double hp = 0.0, hpPrev = 0.0;
    double boomPhase = 0.0;
    const double aLow = onePole(320.0);
    for (int i = 0; i < kShipExplodeSamples; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = rng.bipolar();

        // Heavy low end: three cascaded poles plus leaky integrated noise.
        lp1 += aLow * (white - lp1);
        lp2 += aLow * (lp1 - lp2);
        lp3 += aLow * (lp2 - lp3);
        brown = brown * 0.995 + white * 0.05;
        const double rumble = lp3 * 5.0 + brown * 0.6;

        // Brighter crackle that only lives in the first moments of the blast.
        hp = 0.7 * (hp + white - hpPrev);
        hpPrev = white;
        const double crackle = hp * 0.5 * std::exp(-t / 0.12);

        // The initial boom: a falling sub tone.
        const double boomFreq = 28.0 + 70.0 * std::exp(-t / 0.25);
        boomPhase += boomFreq / kSampleRate;
        const double boom = std::sin(kTwoPi * boomPhase) * 0.5 * std::exp(-t / 0.5);

        // Loud opening, then a long tail that keeps rolling.
        const double env = 0.45 * std::exp(-t / 0.2) + 0.55 * std::exp(-t / 1.0);
        s[i] = (rumble * wobble.next() + crackle) * env + boom;
    }
    softClip(s, 2.0);
    fadeEdges(s, 110, 2205);
    return toPcm8(s, kSoundPeak);
}

} // namespace resgen
