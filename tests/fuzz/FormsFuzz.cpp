// Feeds arbitrary lines to the window manager as its [Forms] section. Beyond
// not crashing, what it keeps must be stable: saving, loading the saved
// section into a fresh manager and saving again gives the same lines, and no
// more entries are written than the table holds.

#include "components/settings/AutoIni.h"
#include "components/windows/WManager.h"
#include "framework/Application.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        lines.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

std::vector<std::string> LoadAndSave(const std::vector<std::string>& forms) {
    orv::TAutoIniFile ini(nullptr);
    ini.SetWriteEnabled(false);
    for (std::size_t i = 0; i < forms.size(); ++i)
        ini.WriteString("Forms", "K" + std::to_string(i), forms[i]);
    orv::TWindowManager manager(nullptr);
    manager.SetEntryMax(5);
    manager.LoadPlacements(ini);
    manager.SavePlacements(ini);
    std::vector<std::string> saved;
    ini.ReadSection("Forms", saved);
    return saved;
}

std::vector<std::string> Values(const std::vector<std::string>& lines) {
    std::vector<std::string> values;
    std::string key, value;
    for (const std::string& line : lines) {
        orv::TAutoIniFile::SplitEntry(line, key, value);
        values.push_back(value);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static auto application = std::make_unique<orv::TApplication>(*argc, *argv);
    application->SetScreenSizeOverride(orv::TSize{1920, 1080});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> saved =
        LoadAndSave(Lines(std::string_view(reinterpret_cast<const char*>(data), size)));
    Check(saved.size() % 2 == 0 && saved.size() <= 2 * 5);
    Check(LoadAndSave(Values(saved)) == saved);
    return 0;
}
