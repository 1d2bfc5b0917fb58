// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generates the game's sounds, pictures, icons and resources.qrc from code.
//
//   resgen OUTPUT_DIR [--preview PREVIEW_DIR]
//
// Everything is seeded and drawn without system fonts, so rerunning it
// reproduces the committed files byte for byte.

#include "output.h"

#include <QString>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QString outDir;
    QString previewDir;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--preview") && i + 1 < argc) {
            previewDir = QString::fromLocal8Bit(argv[++i]);
        } else if (!arg.startsWith(QLatin1Char('-')) && outDir.isEmpty()) {
            outDir = arg;
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--preview PREVIEW_DIR]\n", argv[0]);
        return 2;
    }

    QStringList written;
    QString error;
    if (!resgen::writeAll(outDir, &written, &error)) {
        std::fprintf(stderr, "resgen: %s\n", qPrintable(error));
        return 1;
    }
    for (const QString& path : written)
        std::printf("%s\n", qPrintable(path));

    if (!previewDir.isEmpty() && !resgen::writePreviews(previewDir, &error)) {
        std::fprintf(stderr, "resgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
