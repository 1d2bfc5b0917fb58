// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orv {
namespace {

class TQtShell final : public IShell {
public:
    bool Open(const std::string& path) override {
        const QString file = QString::fromStdString(path);
        return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
};

} // namespace

std::unique_ptr<IShell> CreateQtShell() {
    return std::make_unique<TQtShell>();
}

} // namespace orv
