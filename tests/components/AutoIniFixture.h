// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The settings component on a real, private program directory, with file
// operations that fail on request.
#include "Fakes.h"
#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"
#include "framework/files/Files.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace orv::test {

// Sets an environment variable for one scope.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;
    ~EnvironmentVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Fails chosen file operations; everything else is the real thing.
class FaultyFiles : public TFileSystem {
public:
    std::string WriteTempFile(const std::string& path, std::string_view bytes) const override {
        if (path == failWriteTo)
            throw EInOutError("ファイルに書き込めません: " + path + " (No space left on device)");
        return TFileSystem::WriteTempFile(path, bytes);
    }
    std::string LinkTempFile(const std::string& path, const std::string& other) const override {
        return other == failWriteTo ? std::string() : TFileSystem::LinkTempFile(path, other);
    }
    bool RenameFile(const std::string& from, const std::string& to) const override {
        return to != failRenameTo && TFileSystem::RenameFile(from, to);
    }
    bool DirectoryWritable(const std::string& dir) const override {
        return dir != readOnlyDir && TFileSystem::DirectoryWritable(dir);
    }

    std::string failWriteTo;
    std::string failRenameTo;
    std::string readOnlyDir;
};

// Each test gets a fresh program directory holding the program "GAME".
class AutoIniFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "autoini-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
        savedExe_ = Application().ExeName();
        Application().SetExeName(dir_ + "GAME");
    }
    void TearDown() override {
        Application().SetExeName(savedExe_);
        std::filesystem::remove_all(dir_);
    }

    // A component as a form would have it after loading; faults are
    // armed through the returned component's file system.
    std::unique_ptr<TAutoIniFile> Start(const std::function<void(TAutoIniFile&)>& setup = {}) {
        auto ini = std::make_unique<TAutoIniFile>(nullptr);
        auto files = std::make_unique<FaultyFiles>();
        faults_ = files.get();
        ini->SetFileSystem(std::move(files));
        ini->SetComment("ORBIT RAVEN");
        ini->OnError = [this](int errNo) { errors_.push_back(errNo); };
        if (setup)
            setup(*ini);
        ini->Loaded();
        return ini;
    }

    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ + name, std::ios::binary) << bytes;
    }
    std::string Get(const std::string& path) {
        std::ifstream file(path[0] == '/' ? path : dir_ + path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return file ? bytes.str() : "<missing>";
    }
    static std::set<std::string> Listing(const std::string& dir) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::set<std::string> Listing() const { return Listing(dir_); }

    FakeServices fakes_;
    std::string dir_;
    std::string savedExe_;
    std::vector<int> errors_;
    FaultyFiles* faults_ = nullptr;
};

} // namespace orv::test
