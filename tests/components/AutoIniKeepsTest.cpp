// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the settings component keeps whatever the files around it are: an
// unusable file, a second copy's session, a linked file's history, and the
// reason a save failed.
#include "AutoIniFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::AutoIniFiles;
using test::EnvironmentVariable;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A file an editor saved as UTF-16 reads as no settings at all. Without a
// backup read, it is all that is left of the old settings: it is kept, as
// the backup when there is none, else beside it, and the message says where.
TEST_F(AutoIniFiles, AnUnusableFileWithoutABackupReadIsKept) {
    const std::string utf16("\xFF\xFE[\0G\0a\0m\0e\0]\0\r\0\n\0H\0i\0=\0"
                            "5\0\r\0\n\0",
                            30);
    const std::string badBackup = std::string("\0\x7f\x89PNG", 6);
    struct Case {
        const char* name;
        std::map<std::string, std::string> beside;
        std::string keptAs;
    };
    for (const Case& c :
         {Case{"alone", {}, "GAME.~NI"},
          Case{"with the original settings",
               {{"ORIGINAL.INI", "[Game]\r\nHiScore=1\r\n"}},
               "GAME.~NI"},
          Case{"beside an unusable backup", {{"GAME.~NI", badBackup}}, "GAME.INI.unusable"}}) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : fs::directory_iterator(dir_))
            fs::remove(entry.path());
        fakes_.messageBox.shown.clear();
        Put("GAME.INI", utf16);
        for (const auto& [name, bytes] : c.beside)
            Put(name, bytes);

        auto ini = Start();
        ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
        EXPECT_TRUE(Contains(fakes_.messageBox.shown[0].text, dir_ + c.keptAs))
            << fakes_.messageBox.shown[0].text;
        ini->WriteInteger("Game", "HiScore", 9);
        ini.reset();
        EXPECT_EQ(Get(c.keptAs), utf16);
        EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=9\r\n\r\n");
        for (const auto& [name, bytes] : c.beside)
            EXPECT_EQ(Get(name), bytes) << name;
    }
}

// Every copy meets every other at the lock beside the settings file, also
// when its runtime folder cannot be used or is its own (another user's), and
// no lock file stays behind.
TEST_F(AutoIniFiles, ASecondCopyIsToldWhateverItsRuntimeFolder) {
    Put("GAME.INI", "[Game]\r\nHiScore=5\r\n");
    Put("file", "");
    fs::create_directories(dir_ + "tmp");
    fs::create_directories(dir_ + "run1");
    fs::create_directories(dir_ + "run2");
    const EnvironmentVariable tmp("TMPDIR", dir_ + "tmp");
    const auto startWith = [this](const std::string& runtime) {
        const EnvironmentVariable run("XDG_RUNTIME_DIR", runtime);
        return Start();
    };
    for (const auto& [first, second] : {std::pair{dir_ + "file/run", dir_ + "file/run"},
                                        std::pair{dir_ + "run1", dir_ + "run2"}}) {
        SCOPED_TRACE(first + " and " + second);
        fakes_.messageBox.shown.clear();
        auto one = startWith(first);
        EXPECT_TRUE(fakes_.messageBox.shown.empty());
        auto other = startWith(second);
        ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
        EXPECT_TRUE(Contains(fakes_.messageBox.shown[0].text, dir_ + "GAME.INI"));
        EXPECT_TRUE(Contains(fakes_.messageBox.shown[0].text, "後から保存したほうの設定が残ります"))
            << fakes_.messageBox.shown[0].text;
        one.reset();
        // The copy still running is seen by the next one.
        auto third = startWith(first);
        EXPECT_EQ(fakes_.messageBox.shown.size(), 2u);
        other.reset();
        third.reset();
        for (const std::string& dir : {dir_, dir_ + "tmp", dir_ + "run1", dir_ + "run2"})
            for (const auto& name : Listing(dir))
                EXPECT_EQ(name.find(".lock"), std::string::npos) << dir << name;
    }
}

// A linked settings file keeps its backup and the leftovers of a killed save
// beside the file it points to, reads the backup from there, and stays a
// link when what it points to is gone.
TEST_F(AutoIniFiles, ALinkedFileKeepsItsHistoryBesideItsTarget) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    fs::create_directory(dir_ + "real");
    Put("real/Mine.INI", "[Game]\r\nHiScore=1\r\n");
    Put("real/Mine.INI.tmp" + std::to_string(gone) + "-0", "partial");
    Put("GAME.~NI", "[Game]\r\nHiScore=99\r\n"); // beside the link: not its backup
    fs::create_symlink("real/Mine.INI", dir_ + "GAME.INI");

    auto ini = Start();
    EXPECT_EQ(Listing(dir_ + "real"), (std::set<std::string>{"Mine.INI", "Mine.INI.lock"}));
    ini->WriteInteger("Game", "HiScore", 2);
    ini.reset();
    fs::remove(dir_ + "real/Mine.INI");
    ini = Start();
    EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), 1) << "not the backup beside the target";
    ini->WriteInteger("Game", "HiScore", 3);
    ini.reset();
    EXPECT_TRUE(fs::is_symlink(dir_ + "GAME.INI"));
    EXPECT_EQ(Get("real/Mine.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=3\r\n\r\n");

    // The target's folder not there (not mounted yet): the save fails and
    // says so; the link stays.
    fs::remove_all(dir_ + "real");
    ini = Start();
    ini.reset();
    EXPECT_TRUE(fs::is_symlink(dir_ + "GAME.INI"));
    ASSERT_FALSE(fakes_.messageBox.shown.empty());
    EXPECT_TRUE(Contains(fakes_.messageBox.shown.back().text, "保存できませんでした"));
    EXPECT_EQ(Listing(), (std::set<std::string>{"GAME.INI", "GAME.~NI"}));
}

// A settings folder that cannot be made is the reason given; there was no
// earlier file to speak of.
TEST_F(AutoIniFiles, ASettingsFolderThatCannotBeMadeIsTheReasonGiven) {
    Put(TAutoIniFile::kInstalledMarker, "");
    Put("file", "");
    const std::string folder = dir_ + "file/config/orbit-raven/";
    const EnvironmentVariable config("XDG_CONFIG_HOME", dir_ + "file/config");
    auto ini = Start();
    ini->WriteInteger("Game", "HiScore", 1);
    ini.reset();
    ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
    const std::string& text = fakes_.messageBox.shown[0].text;
    EXPECT_TRUE(Contains(text, folder + " (")) << text;
    EXPECT_FALSE(Contains(text, "これまでのファイル")) << text;
}

} // namespace
} // namespace orv
