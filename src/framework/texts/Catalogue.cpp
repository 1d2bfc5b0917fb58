// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/texts/Catalogue.h"

#include "framework/texts/Language.h"

#include <QString>
#include <QTranslator>

namespace orv {

TCatalogue::TCatalogue(const std::string& code) {
    if (code.empty() || code == TLanguage::kSource)
        return;
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("orbit-raven_") + QString::fromStdString(code);
    if (translator->load(file, QStringLiteral(":/i18n")))
        translator_ = std::move(translator);
}

TCatalogue::~TCatalogue() = default;

std::string TCatalogue::Tr(const TText& text) const {
    if (translator_) {
        const QString translated = translator_->translate(text.Context, text.Source);
        if (!translated.isEmpty())
            return translated.toStdString();
    }
    return text.Source;
}

std::string TCatalogue::Format(const TText& text,
                               std::initializer_list<std::string_view> args) const {
    return FormatText(Tr(text), args);
}

} // namespace orv
