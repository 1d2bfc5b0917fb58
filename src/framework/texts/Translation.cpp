// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/texts/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orv {
namespace {
constexpr const char* kTranslatorName = "orvToolkitTranslation";
} // namespace

bool LoadToolkitTranslation(const std::string& language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // The application owns the translator, so it lives exactly as long.
    delete app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    if (language.empty() || language == "en")
        return false;
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace orv
