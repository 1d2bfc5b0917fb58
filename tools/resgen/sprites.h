// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace resgen {

constexpr int kUnitSize = 16;

// 16 x 16 indexed pictures on black (transparent).
QImage makePlayerShip(); // 100
QImage makeEnemy();      // 101
QImage makeMine();       // 102
QImage makeExplosionA(); // 103
QImage makeExplosionB(); // 104
QImage makeSmallBurst(); // 105

} // namespace resgen
