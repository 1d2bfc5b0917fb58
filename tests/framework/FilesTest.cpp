// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/files/Files.h"
#include "framework/core/CodePage.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <sys/resource.h>

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(CodePage, ConvertsJapaneseBothWays) {
    const std::string sjis = "\x83\x51\x81\x5B\x83\x80 \x95\x5C ~\\";
    EXPECT_EQ(Cp932ToUtf8(sjis), "ゲーム 表 ~\\");
    EXPECT_EQ(Utf8ToCp932("ゲーム 表 ~\\"), sjis);
    EXPECT_EQ(Cp932ToUtf8(""), "");
}

TEST(CodePage, UndecodableBytesRoundTripThroughPrivateUseCodePoints) {
    // A lone lead byte at the end, one before a byte that cannot follow it,
    // and bytes that start no character at all.
    for (const std::string& bytes :
         {std::string("a\x81"), std::string("\x81\x0D"), std::string("\x80"),
          std::string("\xA0\xFD\xFE\xFF"), std::string("x\0\xFFy", 4)}) {
        const std::string text = Cp932ToUtf8(bytes);
        EXPECT_EQ(Utf8ToCp932(text), bytes);
    }
    EXPECT_EQ(Cp932ToUtf8("\x80z"), "\xEF\x9E\x80z"); // U+F780, then the rest
}

// Some characters have two codes (the NEC-selected IBM extensions in rows ED
// and EE are also in FA..FC); a file holds whichever its writer chose.
TEST(CodePage, EveryTwoByteSequenceComesBackUnchanged) {
    TCp932Converter codePage;
    int changed = 0;
    for (int first = 0; first < 256; ++first)
        for (int second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            if (codePage.FromUtf8(codePage.ToUtf8(bytes)) != bytes && ++changed <= 5)
                ADD_FAILURE() << std::hex << first << " " << second;
        }
    EXPECT_EQ(changed, 0);
    // The code the writer chooses still reads as its character; the other
    // code of the same character is kept as its bytes.
    EXPECT_EQ(codePage.ToUtf8("\xFA\xBC").size(), 3u) << "one character, not two raw bytes";
    EXPECT_EQ(codePage.ToUtf8("\x81\x40"), "\u3000");
    EXPECT_EQ(codePage.ToUtf8("\xED\xA0"), "\uF7ED\uF7A0");
}

TEST(CodePage, UnencodableTextBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp932("a€😀b"), "a??b");
    EXPECT_EQ(Utf8ToCp932("\xC3(\xE3\x81"), "?(?");
}

TEST(FilePaths, SplitAndChangeExtensions) {
    EXPECT_EQ(ExtractFilePath("/opt/game/GAME"), "/opt/game/");
    EXPECT_EQ(ExtractFilePath("GAME"), "");
    EXPECT_EQ(ExtractFileName("/opt/game/GAME.EXE"), "GAME.EXE");
    EXPECT_EQ(ChangeFileExt("/opt/game/GAME.EXE", ".INI"), "/opt/game/GAME.INI");
    EXPECT_EQ(ChangeFileExt("/opt/game/orbit-raven", ".INI"), "/opt/game/orbit-raven.INI");
    EXPECT_EQ(ChangeFileExt("/opt/v1.2/game", ".INI"), "/opt/v1.2/game.INI");
}

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = fs::temp_directory_path() / "files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ + name, std::ios::binary) << bytes;
    }
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }

    TFileSystem files_;
    std::string dir_;
};

TEST_F(Files, ReplaceKeepsTheOldFileAsBackup) {
    ReplaceFile(files_, dir_ + "A.INI", dir_ + "A.~NI", "one");
    EXPECT_EQ(Listing(), std::set<std::string>{"A.INI"});
    ReplaceFile(files_, dir_ + "A.INI", dir_ + "A.~NI", "two");
    ReplaceFile(files_, dir_ + "A.INI", dir_ + "A.~NI", std::string("th\0ree", 6));
    EXPECT_EQ(Listing(), (std::set<std::string>{"A.INI", "A.~NI"}));
    EXPECT_EQ(files_.ReadFile(dir_ + "A.INI"), std::string("th\0ree", 6));
    EXPECT_EQ(files_.ReadFile(dir_ + "A.~NI"), "two");
}

// Stops a save before its n-th step, as a kill would.
class KilledFiles : public TFileSystem {
public:
    struct Killed {};
    std::string WriteTempFile(const std::string& path, std::string_view bytes) const override {
        Step();
        return TFileSystem::WriteTempFile(path, bytes);
    }
    std::string LinkTempFile(const std::string& path, const std::string& other) const override {
        Step();
        return links ? TFileSystem::LinkTempFile(path, other) : std::string();
    }
    bool RenameFile(const std::string& from, const std::string& to) const override {
        Step();
        return TFileSystem::RenameFile(from, to);
    }
    bool DeleteFile(const std::string& path) const override {
        Step();
        return TFileSystem::DeleteFile(path);
    }
    void Step() const {
        if (++steps == killAt)
            throw Killed{};
    }

    mutable int steps = 0;
    int killAt = 0;
    bool links = true;
};

TEST_F(Files, AKillAtAnyStepOfASaveKeepsThePreviousFileAsFileOrBackup) {
    for (const bool links : {true, false})
        for (int killAt = 1;; ++killAt) {
            for (const std::string& name : Listing())
                fs::remove(dir_ + name);
            Put("A.INI", "previous");
            Put("A.~NI", "older");
            KilledFiles files;
            files.killAt = killAt;
            files.links = links;
            bool finished = true;
            try {
                ReplaceFile(files, dir_ + "A.INI", dir_ + "A.~NI", "new");
            } catch (const KilledFiles::Killed&) {
                finished = false;
            }
            const std::string ini = files_.ReadFile(dir_ + "A.INI");
            const std::string bak = files_.ReadFile(dir_ + "A.~NI");
            EXPECT_TRUE(ini == "previous" || bak == "previous")
                << "killed before step " << killAt << (links ? " (links)" : " (copies)");
            if (finished) {
                EXPECT_EQ(ini + "|" + bak, "new|previous");
                break;
            }
        }
}

TEST_F(Files, AFailingWriteLeavesNothingBehind) {
    Put("A.INI", "old");
    // A file size limit makes write() itself fail, as a full disk would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &tiny);
    EXPECT_THROW(ReplaceFile(files_, dir_ + "A.INI", dir_ + "A.~NI", "much too long"), EInOutError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(Listing(), std::set<std::string>{"A.INI"});
    EXPECT_EQ(files_.ReadFile(dir_ + "A.INI"), "old");
}

TEST_F(Files, ReportsMissingThingsWithoutThrowingWhereAsked) {
    EXPECT_FALSE(files_.FileExists(dir_ + "none"));
    // A directory stands where a file might; it is refused when read.
    EXPECT_TRUE(files_.FileExists(dir_));
    EXPECT_THROW(files_.ReadFile(dir_), EInOutError);
    EXPECT_THROW(files_.ReadFile(dir_ + "none"), EInOutError);
    EXPECT_FALSE(files_.DeleteFile(dir_ + "none"));
    EXPECT_FALSE(files_.RenameFile(dir_ + "none", dir_ + "other"));
    EXPECT_TRUE(files_.DirectoryWritable(dir_));
    EXPECT_FALSE(files_.DirectoryWritable(dir_ + "none/"));
    EXPECT_TRUE(Listing().empty()); // the probe cleaned up after itself
    EXPECT_NO_THROW(files_.ForceDirectories(dir_ + "a/b/c"));
    EXPECT_TRUE(fs::is_directory(dir_ + "a/b/c"));
}

TEST(UserConfigDir, FollowsXdgConfigHomeOnlyWhenAbsolute) {
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    };
    const auto xdg = saved("XDG_CONFIG_HOME");
    const auto home = saved("HOME");
    TFileSystem files;
    setenv("HOME", "/home/pilot", 1);
    setenv("XDG_CONFIG_HOME", "/srv/conf", 1);
    EXPECT_EQ(files.UserConfigDir(), "/srv/conf/");
    setenv("XDG_CONFIG_HOME", "relative/conf", 1);
    EXPECT_EQ(files.UserConfigDir(), "/home/pilot/.config/");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(files.UserConfigDir(), "/home/pilot/.config/");
    restore("XDG_CONFIG_HOME", xdg);
    restore("HOME", home);
}

} // namespace
} // namespace orv
