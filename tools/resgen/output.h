// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace resgen {

// One entry of resources.qrc: read by the game as ":/<prefix>/<alias>".
struct ResourceEntry {
    QString prefix;
    QString alias;
    QString file; // relative to the resources directory
};

const std::vector<ResourceEntry>& resourceTable();

QString makeQrc();

// Writes every resource file plus resources.qrc under `dir`, creating
// subdirectories as needed. On failure returns false and describes it in `error`.
bool writeAll(const QString& dir, QStringList* written, QString* error);

// Writes 8x nearest-neighbour enlargements of the pictures, for checking by eye.
bool writePreviews(const QString& dir, QString* error);

} // namespace resgen
