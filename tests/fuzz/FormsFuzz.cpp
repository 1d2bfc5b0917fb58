// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary lines to the window manager as its [Forms] section. Beyond
// not crashing, what it keeps must be stable: saving, loading the saved
// section into a fresh manager and saving again gives the same lines, and no
// more entries are written than the table holds. Then every remembered window
// is made again, on a screen whose width the first byte picks, so that what
// was read is applied: the stored place and the pull back onto the screen.

#include "components/settings/AutoIni.h"
#include "components/windows/WManager.h"
#include "framework/app/Application.h"
#include "framework/core/WindowHook.h"

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

void Fill(orv::TAutoIniFile& ini, const std::vector<std::string>& forms) {
    ini.SetWriteEnabled(false);
    for (std::size_t i = 0; i < forms.size(); ++i)
        ini.WriteString("Forms", "K" + std::to_string(i), forms[i]);
}

std::vector<std::string> LoadAndSave(const std::vector<std::string>& forms) {
    orv::TAutoIniFile ini(nullptr);
    Fill(ini, forms);
    orv::TWindowManager manager(nullptr);
    manager.SetEntryMax(5);
    manager.LoadPlacements(ini);
    manager.SavePlacements(ini);
    std::vector<std::string> saved;
    ini.ReadSection("Forms", saved);
    return saved;
}

void MakeWindowsAgain(const std::vector<std::string>& forms, int screenWidth) {
    orv::Application().SetScreenSizeOverride(orv::TSize{screenWidth, 768});
    orv::TAutoIniFile ini(nullptr);
    Fill(ini, forms);
    orv::TWindowManager manager(nullptr);
    manager.SetEntryMax(5);
    manager.LoadPlacements(ini);
    for (int e = 1; e <= manager.Count(); ++e) {
        orv::TCreateParams params{
            orv::Application().Handle(), manager.Entry(e).Name, 10, 20, 300, 200};
        const auto window = static_cast<orv::THandle>(0x1000 + e);
        orv::Application().WindowHooks().RaiseCreating(window, params);
        // A window of a sane size never ends up wholly beyond the right or
        // the bottom edge.
        if (params.Width >= 0 && params.Width <= screenWidth && params.Height >= 0 &&
            params.Height <= 768)
            Check(params.Left <= screenWidth && params.Top <= 768);
        orv::Application().WindowHooks().RaiseDestroying(window);
    }
    manager.SavePlacements(ini);
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
    // The classic widths, two others and one no screen has.
    constexpr int kWidths[] = {640, 800, 1024, 1152, 1280, 1600, 1920, 99};
    MakeWindowsAgain(Lines(std::string_view(reinterpret_cast<const char*>(data), size)),
                     kWidths[size > 0 ? data[0] % 8 : 0]);
    orv::Application().SetScreenSizeOverride(orv::TSize{1920, 1080});
    return 0;
}
