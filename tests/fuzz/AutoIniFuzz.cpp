// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the settings-file reader. Beyond not crashing,
// what the reader makes of any input must survive a save: the written file
// reads back without a dropped line and writes out the same bytes again.

#include "components/settings/AutoIni.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckImage(const orv::TAutoIniSections& image) {
    for (const auto& section : image.Sections()) {
        Check(!section.Name.empty() && !section.Entries.empty());
        Check(image.Find(section.Name) == &section); // names are unique
        for (const auto& entry : section.Entries) {
            Check(!entry.Key.empty() && entry.Key.find('=') == std::string::npos);
            Check(image.FindValue(section.Name, entry.Key) == &entry.Value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    orv::TAutoIniSections image;
    ParseIniFile(bytes, image, [](int errNo) { Check(errNo == 4); });
    CheckImage(image);

    const std::string written = orv::FormatIniFile(image, "ORBIT RAVEN");
    orv::TAutoIniSections reread;
    ParseIniFile(written, reread, [](int) { Check(false); });
    Check(orv::FormatIniFile(reread, "ORBIT RAVEN") == written);
    return 0;
}
