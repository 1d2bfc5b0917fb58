// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults found and mended: saves that fail half-way, programs that may not
// write beside themselves, settings files that are no settings files, and the
// leftovers of a save that was killed.
#include "AutoIniFixture.h"
#include "framework/services/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::AutoIniFiles;
using test::EnvironmentVariable;

// --- Mended faults ------------------------------------------------------------

class AutoIniSaveFailure : public AutoIniFiles,
                           public ::testing::WithParamInterface<const char*> {};

// Whether writing the new image or putting it in place fails, the user is
// told and the file stays exactly as it was. The backup is made before the
// new file is put in place, so a failure of that last step finds the old file
// in both places.
TEST_P(AutoIniSaveFailure, IsShownAndLeavesBothFilesIntact) {
    Put("GAME.INI", "[Game]\r\nHiScore=2\r\n");
    Put("GAME.~NI", "[Game]\r\nHiScore=1\r\n");
    auto ini = Start();
    ini->WriteInteger("Game", "HiScore", 3);
    (std::string(GetParam()) == "write" ? faults_->failWriteTo : faults_->failRenameTo) =
        ini->IniFileName();
    ini.reset();

    ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
    const auto& box = fakes_.messageBox.shown[0];
    EXPECT_NE(box.text.find(dir_ + "GAME.INI"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("保存できませんでした"), std::string::npos) << box.text;
    EXPECT_EQ(box.flags & MB_ICONERROR, MB_ICONERROR);
    EXPECT_EQ(Listing(), (std::set<std::string>{"GAME.INI", "GAME.~NI"}));
    EXPECT_EQ(Get("GAME.INI"), "[Game]\r\nHiScore=2\r\n");
    EXPECT_EQ(Get("GAME.~NI"), std::string("[Game]\r\nHiScore=") +
                                   (std::string(GetParam()) == "write" ? "1" : "2") + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Steps, AutoIniSaveFailure, ::testing::Values("write", "rename"));

TEST_F(AutoIniFiles, ABackupThatCannotBeMadeDoesNotStopTheSave) {
    Put("GAME.INI", "[Game]\r\nHiScore=2\r\n");
    auto ini = Start();
    faults_->failWriteTo = ini->BakFileName();
    ini->WriteInteger("Game", "HiScore", 3);
    ini.reset();
    EXPECT_TRUE(fakes_.messageBox.shown.empty());
    EXPECT_EQ(Listing(), std::set<std::string>{"GAME.INI"});
    EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=3\r\n\r\n");
}

// An installed program keeps its settings in the user's folder, also where it
// could write its own (root); so does one that cannot write beside itself.
// Until that folder holds any, it starts from the settings beside the program
// (file, backup, original, in this order), which are never written.
TEST_F(AutoIniFiles, AnInstalledOrReadOnlyProgramKeepsItsFilesInTheUserConfig) {
    const std::string config = dir_ + "config";
    const std::string mine = config + "/orbit-raven/";
    const EnvironmentVariable xdg("XDG_CONFIG_HOME", config);
    const std::string beside = "[Game]\r\nHiScore=1234\r\nSpeed=125\r\nLaserSound=No\r\n";

    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed ? "installed" : "read-only folder");
        fs::remove_all(config);
        std::set<std::string> own;
        if (installed) {
            Put(TAutoIniFile::kInstalledMarker, "");
            own.insert(TAutoIniFile::kInstalledMarker);
        } else {
            fs::remove(dir_ + TAutoIniFile::kInstalledMarker);
        }
        const auto setup = [this, installed](TAutoIniFile&) {
            if (!installed)
                faults_->readOnlyDir = dir_;
        };

        for (const std::string file : {"GAME.INI", "GAME.~NI", "ORIGINAL.INI"}) {
            SCOPED_TRACE(file);
            fs::remove_all(config);
            Put(file, beside);
            errors_.clear();
            auto ini = Start(setup);
            EXPECT_EQ(ini->IniFileName(), mine + "GAME.INI");
            EXPECT_EQ(ini->BakFileName(), mine + "GAME.~NI");
            EXPECT_EQ(ini->OrgFileName(), dir_ + "ORIGINAL.INI");
            EXPECT_EQ(errors_, (std::vector<int>{1, 2}));
            EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), 1234);
            EXPECT_EQ(ini->ReadInteger("Game", "Speed", 200), 125);
            EXPECT_FALSE(ini->ReadBool("Game", "LaserSound", true));
            ini->WriteInteger("Game", "Runs", 1);
            ini.reset();
            auto expected = own;
            expected.insert({file, "config"});
            EXPECT_EQ(Listing(), expected);
            EXPECT_EQ(Get(file), beside);
            EXPECT_EQ(Listing(mine), std::set<std::string>{"GAME.INI"});
            fs::remove(dir_ + file);
        }

        // From then on the user's folder is where the settings come from.
        Put("GAME.INI", "[Game]\r\nHiScore=5\r\n");
        errors_.clear();
        auto ini = Start(setup);
        EXPECT_TRUE(errors_.empty());
        EXPECT_EQ(ini->ReadInteger("Game", "Runs", 0), 1);
        ini->WriteInteger("Game", "Runs", 2);
        ini.reset();
        EXPECT_EQ(Listing(mine), (std::set<std::string>{"GAME.INI", "GAME.~NI"}));
        EXPECT_EQ(Get(mine + "GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=1234\r\nSpeed=125\r\n"
                                          "LaserSound=No\r\nRuns=2\r\n\r\n");
        EXPECT_EQ(Get("GAME.INI"), "[Game]\r\nHiScore=5\r\n");
        fs::remove(dir_ + "GAME.INI");
    }
}

// A settings file that cannot be read or holds no settings is passed over
// like a missing one, with a message naming it; the good backup is used and
// stays. An unreadable file is never written over; an unusable one is
// replaced but never becomes the backup.
struct BadFile {
    const char* name;
    std::function<void(const std::string& path)> make;
    bool unreadable;
    friend void PrintTo(const BadFile& bad, std::ostream* out) { *out << bad.name; }
};

class AutoIniBadSettingsFile : public AutoIniFiles,
                               public ::testing::WithParamInterface<BadFile> {};

TEST_P(AutoIniBadSettingsFile, StartsFromTheBackupAndKeepsIt) {
    const BadFile& bad = GetParam();
    if (bad.name == std::string("no-permission") && geteuid() == 0)
        GTEST_SKIP() << "root reads files of mode 000; ctest runs this case again as 'nobody'";
    const std::string backup = "[Game]\r\nHiScore=7\r\n";
    Put("GAME.~NI", backup);
    bad.make(dir_ + "GAME.INI");
    const auto kind = fs::symlink_status(dir_ + "GAME.INI").type();

    auto ini = Start();
    EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), 7);
    EXPECT_EQ(errors_, std::vector<int>{1});
    ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
    EXPECT_NE(fakes_.messageBox.shown[0].text.find(dir_ + "GAME.INI"), std::string::npos)
        << fakes_.messageBox.shown[0].text;
    EXPECT_NE(fakes_.messageBox.shown[0].text.find(dir_ + "GAME.~NI"), std::string::npos);
    ini->WriteInteger("Game", "HiScore", 8);
    ini.reset();

    EXPECT_EQ(Get("GAME.~NI"), backup);
    EXPECT_EQ(fs::symlink_status(dir_ + "GAME.INI").type(), kind);
    if (bad.unreadable) {
        EXPECT_EQ(fakes_.messageBox.shown.size(), 2u) << "the settings not saved are not hidden";
    } else {
        EXPECT_EQ(fakes_.messageBox.shown.size(), 1u);
        EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=8\r\n\r\n");
    }
    fs::permissions(dir_ + "GAME.INI", fs::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AutoIniBadSettingsFile,
    ::testing::Values(
        BadFile{"no-permission",
                [](const std::string& path) {
                    std::ofstream(path) << "[Game]\r\nHiScore=1\r\n";
                    fs::permissions(path, fs::perms::none);
                },
                true},
        BadFile{"fifo", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
                true},
        BadFile{"directory", [](const std::string& path) { fs::create_directory(path); }, true},
        BadFile{"empty", [](const std::string& path) { std::ofstream{path}; }, false},
        BadFile{"garbage",
                [](const std::string& path) {
                    std::ofstream(path, std::ios::binary)
                        << std::string("\0\x7f\x89PNG\r\n\x1a", 8);
                },
                false},
        BadFile{"no-settings-lines",
                [](const std::string& path) { std::ofstream(path) << "HiScore=1\r\n=2\r\n\r\n"; },
                false}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// A save killed half-way leaves a temporary file; the next start removes the
// ones of processes that are gone, and no one else's.
TEST_F(AutoIniFiles, TemporaryFilesOfEndedProcessesAreRemovedAtStart) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string alive = std::to_string(getppid());
    for (const std::string& name : {"GAME.INI.tmp" + dead + "-0", "GAME.INI.tmp" + dead + "-12",
                                    "GAME.~NI.tmp" + dead + "-0", "GAME.INI.tmp" + alive + "-0",
                                    "OTHER.INI.tmp" + dead + "-0", "GAME.INI.tmp" + dead + "-x"})
        Put(name, "partial");
    auto ini = Start();
    EXPECT_EQ(Listing(),
              (std::set<std::string>{"GAME.INI.tmp" + alive + "-0", "OTHER.INI.tmp" + dead + "-0",
                                     "GAME.INI.tmp" + dead + "-x", "GAME.INI.lock"}));
    ini->SetWriteEnabled(false);
}

// Saving keeps what the file is: its permission bits, and a link stays a
// link whose target gets the new text, with the backup beside the target.
TEST_F(AutoIniFiles, SavingKeepsTheFilesModeAndWritesThroughALink) {
    Put("GAME.INI", "[Game]\r\nHiScore=1\r\n");
    fs::permissions(dir_ + "GAME.INI", fs::perms::owner_read | fs::perms::owner_write);
    auto ini = Start();
    ini->WriteInteger("Game", "HiScore", 2);
    ini.reset();
    for (const char* name : {"GAME.INI", "GAME.~NI"})
        EXPECT_EQ(fs::status(dir_ + name).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << name;

    fs::create_directory(dir_ + "real");
    fs::rename(dir_ + "GAME.INI", dir_ + "real/Mine.INI");
    fs::remove(dir_ + "GAME.~NI");
    fs::create_symlink("real/Mine.INI", dir_ + "GAME.INI");
    ini = Start();
    EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), 2);
    ini->WriteInteger("Game", "HiScore", 3);
    ini.reset();
    EXPECT_TRUE(fs::is_symlink(dir_ + "GAME.INI"));
    EXPECT_EQ(Listing(), (std::set<std::string>{"GAME.INI", "real"}));
    EXPECT_EQ(Listing(dir_ + "real"), (std::set<std::string>{"Mine.INI", "GAME.~NI"}));
    EXPECT_EQ(Get("real/Mine.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=3\r\n\r\n");
    EXPECT_EQ(Get("real/GAME.~NI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=2\r\n\r\n");
}

// A backup named like the settings file would be the file itself: the new
// settings must win.
TEST_F(AutoIniFiles, ABackupNamedLikeTheFileNeverBringsTheOldTextBack) {
    Put("Same.INI", "[Game]\r\nHiScore=1\r\n");
    auto ini = Start([](TAutoIniFile& component) {
        component.SetIniName("Same");
        component.SetBakName("Same");
    });
    ini->WriteInteger("Game", "HiScore", 2);
    ini.reset();
    EXPECT_EQ(Listing(), std::set<std::string>{"Same.INI"});
    EXPECT_EQ(Get("Same.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=2\r\n\r\n");
}

} // namespace
} // namespace orv
