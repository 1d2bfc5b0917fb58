// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/files/Resources.h"

#include "framework/texts/Exceptions.h"

#include <QFile>

namespace orv {
namespace {

const char* Prefix(TResourceType type) {
    switch (type) {
    case TResourceType::rtRCData:
        return ":/rcdata/";
    case TResourceType::rtBitmap:
        return ":/bitmap/";
    case TResourceType::rtIcon:
        return ":/icon/";
    case TResourceType::rtForm:
        return ":/form/";
    }
    return ":/";
}

} // namespace

std::string ResourcePath(TResourceType type, const std::string& name) {
    // "#100" names a resource by its number.
    const std::string bare = (!name.empty() && name.front() == '#') ? name.substr(1) : name;
    return Prefix(type) + bare;
}

bool ResourceExists(TResourceType type, const std::string& name) {
    return !name.empty() && QFile::exists(QString::fromStdString(ResourcePath(type, name)));
}

std::vector<std::uint8_t> LoadResourceData(TResourceType type, const std::string& name) {
    QFile file(QString::fromStdString(ResourcePath(type, name)));
    if (name.empty() || !file.open(QIODevice::ReadOnly))
        throw EResNotFound(name);
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

} // namespace orv
