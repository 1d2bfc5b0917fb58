// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/Font.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace orv {

QFont TFont::ToQFont() const {
    QFont font(QString::fromStdString(name_));
    font.setPixelSize(height_ < 0 ? -height_ : (height_ > 0 ? height_ : 12));
    font.setBold(bold_);
    // The game's screen face stands in for a bitmap font: keep it sharp.
    if (name_ == "Small Fonts")
        font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void RegisterFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               QStringList()
                                   << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic")
                                   << QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               QStringList() << QStringLiteral("IPAGothic")
                                             << QStringLiteral("DejaVu Sans Mono"));
    QFont::insertSubstitutions(QStringLiteral("Small Fonts"),
                               QStringList() << QStringLiteral("DejaVu Sans Condensed")
                                             << QStringLiteral("Liberation Sans")
                                             << QStringLiteral("DejaVu Sans"));
}

} // namespace orv
