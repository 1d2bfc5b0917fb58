// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/texts/Language.h"

#include "framework/texts/Catalogue.h"
#include "framework/texts/Translation.h"

#include <QCoreApplication>

namespace orv {

TLanguage::TLanguage() = default;

TLanguage::~TLanguage() {
    Unload();
}

// The toolkit's own buttons and menus follow into the language shown; its
// English is its untranslated texts.
bool TLanguage::Load(const std::string& code) {
    const bool loaded = LoadCatalogue(code);
    LoadToolkitTranslation(code_);
    return loaded;
}

bool TLanguage::LoadCatalogue(const std::string& code) {
    Unload();
    code_ = kSource;
    if (code == kSource)
        return true;
    auto catalogue = std::make_unique<TCatalogue>(code);
    if (!catalogue->Loaded())
        return false;
    QCoreApplication::installTranslator(catalogue->Translator());
    catalogue_ = std::move(catalogue);
    code_ = code;
    return true;
}

void TLanguage::Unload() {
    if (catalogue_)
        QCoreApplication::removeTranslator(catalogue_->Translator());
    catalogue_.reset();
}

} // namespace orv
