// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Load and save of a large settings file: 10,000 entries in 100 sections,
// through the component's real load and save steps (the save includes the
// fsync of the new file), and the in-memory reader and writer alone; and the
// load step against the number of keys in one section (10,000 to 1.2 million,
// some 50 MB), which must grow linearly.

#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kSections = 100;
constexpr int kKeysPerSection = 100;

orv::TAutoIniSections MakeImage() {
    orv::TAutoIniSections image;
    for (int s = 0; s < kSections; ++s)
        for (int k = 0; k < kKeysPerSection; ++k)
            image.Write("Section" + std::to_string(s), "Key" + std::to_string(k),
                        "value " + std::to_string(s * kKeysPerSection + k) + ",640,480,ウィンドウ");
    return image;
}

// A program directory of its own, holding the settings file of the program.
class TBenchDir {
public:
    TBenchDir() {
        std::string pattern = fs::temp_directory_path() / "autoini-bench-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir_ = pattern + "/";
        savedExe_ = orv::Application().ExeName();
        orv::Application().SetExeName(dir_ + "GAME");
    }
    TBenchDir(const TBenchDir&) = delete;
    TBenchDir& operator=(const TBenchDir&) = delete;
    ~TBenchDir() {
        orv::Application().SetExeName(savedExe_);
        fs::remove_all(dir_);
    }

private:
    std::string dir_;
    std::string savedExe_;
};

std::unique_ptr<orv::TAutoIniFile> LoadedComponent() {
    auto ini = std::make_unique<orv::TAutoIniFile>(nullptr);
    ini->SetComment("ORBIT RAVEN");
    ini->Loaded();
    return ini;
}

// Writes the large file once, so that every load reads it.
void WriteLargeFile() {
    auto ini = LoadedComponent();
    const auto image = MakeImage();
    for (const auto& section : image.Sections())
        for (const auto& entry : section.Entries)
            ini->WriteString(section.Name, entry.Key, entry.Value);
}

void BM_LoadStep(benchmark::State& state) {
    const TBenchDir dir;
    WriteLargeFile();
    for (auto _ : state) {
        auto ini = std::make_unique<orv::TAutoIniFile>(nullptr);
        ini->Loaded();
        benchmark::DoNotOptimize(ini->Sections().Sections().size());
        state.PauseTiming();
        ini->SetWriteEnabled(false);
        ini.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadStep)->Unit(benchmark::kMillisecond);

// One section of n keys, written straight to the settings file.
void WriteKeysFile(const std::string& path, int keys) {
    std::string text = ";ORBIT RAVEN\r\n[Forms]\r\n";
    for (int k = 0; k < keys; ++k)
        text += "F" + std::to_string(k) + "Pos=YNNYNY(-1,0)2(237,249);3(300,200);\r\n";
    std::ofstream(path, std::ios::binary) << text;
}

void BM_LoadStepByKeys(benchmark::State& state) {
    const TBenchDir dir;
    const int keys = static_cast<int>(state.range(0));
    WriteKeysFile(orv::Application().ExeDir() + "GAME.INI", keys);
    for (auto _ : state) {
        auto ini = std::make_unique<orv::TAutoIniFile>(nullptr);
        ini->Loaded();
        if (ini->Sections().Find("Forms")->Entries.size() != static_cast<std::size_t>(keys))
            state.SkipWithError("keys lost");
        state.PauseTiming();
        ini->SetWriteEnabled(false);
        ini.reset();
        state.ResumeTiming();
    }
    state.counters["keys"] = keys;
}
BENCHMARK(BM_LoadStepByKeys)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_SaveStep(benchmark::State& state) {
    const TBenchDir dir;
    WriteLargeFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto ini = LoadedComponent();
        state.ResumeTiming();
        ini.reset();
    }
}
BENCHMARK(BM_SaveStep)->Unit(benchmark::kMillisecond);

void BM_ParseInMemory(benchmark::State& state) {
    const std::string bytes = orv::FormatIniFile(MakeImage(), "ORBIT RAVEN");
    for (auto _ : state) {
        orv::TAutoIniSections image;
        orv::ParseIniFile(bytes, image, {});
        benchmark::DoNotOptimize(image.Sections().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseInMemory)->Unit(benchmark::kMillisecond);

void BM_FormatInMemory(benchmark::State& state) {
    const auto image = MakeImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::FormatIniFile(image, "ORBIT RAVEN"));
}
BENCHMARK(BM_FormatInMemory)->Unit(benchmark::kMillisecond);

} // namespace
