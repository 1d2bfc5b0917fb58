#include "Language.h"

#include "Translation.h"

#include <QCoreApplication>
#include <QTranslator>

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
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("orbit-raven_") + QString::fromStdString(code);
    if (code.empty() || !translator->load(file, QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    code_ = code;
    return true;
}

void TLanguage::Unload() {
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

} // namespace orv
