// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings image in memory: the reader and the writer on byte buffers,
// and the typed operations on a component that has no file.
#include "Fakes.h"
#include "components/ComponentTexts.h"
#include "components/settings/AutoIni.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace {

// --- The reader and the writer on byte buffers ----------------------------

struct Parsed {
    TAutoIniSections image;
    std::vector<int> errors;
};

Parsed Parse(const std::string& bytes) {
    Parsed result;
    ParseIniFile(bytes, result.image, [&](int errNo) { result.errors.push_back(errNo); });
    return result;
}

std::string Value(const Parsed& parsed, const char* section, const char* key) {
    const std::string* value = parsed.image.FindValue(section, key);
    return value ? *value : "<none>";
}

std::vector<std::string> SectionNames(const TAutoIniSections& image) {
    std::vector<std::string> names;
    for (const auto& section : image.Sections())
        names.push_back(section.Name);
    return names;
}

TEST(AutoIniReader, LineEndsFollowTheCarriageReturn) {
    const auto crOnly = Parse("[A]\rx=1\ry=2");
    EXPECT_EQ(Value(crOnly, "A", "x"), "1");
    EXPECT_EQ(Value(crOnly, "A", "y"), "2");

    const auto lfInside = Parse("[A]\r\nx=1\ny=2\r\n");
    EXPECT_EQ(Value(lfInside, "A", "x"), "1\ny=2");
    EXPECT_EQ(Value(lfInside, "A", "y"), "<none>");

    // Only one LF after a CR is swallowed; the next one starts the line.
    const auto twoLf = Parse("[A]\r\n\nx=1\r\n");
    EXPECT_EQ(Value(twoLf, "A", "\nx"), "1");
    EXPECT_TRUE(twoLf.errors.empty());
}

// Files from other editors: without a single CR, LF ends the lines; a
// leading UTF-8 byte-order mark makes the rest UTF-8 text.
TEST(AutoIniReader, LfOnlyFilesAndAByteOrderMarkReadAsTheirWriterMeant) {
    const auto lf = Parse("[A]\nx=1\n\n[B]\ny=2\n");
    EXPECT_EQ(Value(lf, "A", "x") + Value(lf, "B", "y"), "12");
    EXPECT_TRUE(lf.errors.empty());

    const auto bom = Parse("\xEF\xBB\xBF[ゲーム]\r\nキー=設定\r\n");
    EXPECT_EQ(SectionNames(bom.image), std::vector<std::string>{"ゲーム"});
    EXPECT_EQ(Value(bom, "ゲーム", "キー"), "設定");
    // A character CP932 lacks keeps its bytes through a save.
    const auto bomLf = Parse("\xEF\xBB\xBF[A]\nx=€\xFF\n");
    EXPECT_EQ(FormatIniFile(bomLf.image, ""), "[A]\r\nx=€\xFF\r\n\r\n");
}

TEST(AutoIniReader, CtrlZEndsTheFileWhereverItStands) {
    const auto parsed = Parse("[A]\r\nx=1\x1Ay=2\r\nz=3\r\n");
    EXPECT_EQ(Value(parsed, "A", "x"), "1");
    EXPECT_EQ(Value(parsed, "A", "z"), "<none>");
}

TEST(AutoIniReader, HeadersLoseTheirFirstAndLastCharacter) {
    EXPECT_EQ(Value(Parse("[Game\r\nk=v"), "Gam", "k"), "v");
    EXPECT_EQ(Value(Parse("[a]b]\r\nk=v"), "a]b", "k"), "v");
    // As in the byte-oriented original, the last byte goes even when it
    // splits a character; the rest stays byte for byte through a save.
    const std::string unclosed = "[\x83\x51\x81\x5B\x83\x80\r\nk=v\r\n\r\n";
    EXPECT_EQ(FormatIniFile(Parse(unclosed).image, ""), "[\x83\x51\x81\x5B\x83]\r\nk=v\r\n\r\n");
    const std::string damaged = "[x\x81]\r\nk=v\r\n\r\n";
    EXPECT_EQ(FormatIniFile(Parse(damaged).image, ""), damaged);
    for (const char* header : {"[]", "["}) {
        const auto parsed = Parse(std::string(header) + "\r\nk=v\r\n");
        EXPECT_TRUE(parsed.image.Sections().empty()) << header;
        EXPECT_EQ(parsed.errors, std::vector<int>{4}) << header;
    }
}

TEST(AutoIniReader, SectionsComeIntoBeingWithTheirFirstEntryAndMerge) {
    const auto parsed =
        Parse("[Empty]\r\n[game]\r\nHiScore=1\r\n[H]\r\nb=2\r\n[GAME]\r\nSpeed=3\r\nhiscore=9\r\n");
    EXPECT_EQ(SectionNames(parsed.image), (std::vector<std::string>{"game", "H"}));
    const auto& game = parsed.image.Sections()[0].Entries;
    ASSERT_EQ(game.size(), 2u);
    EXPECT_EQ(game[0].Key, "HiScore"); // first spelling kept, later value wins
    EXPECT_EQ(game[0].Value, "9");
    EXPECT_EQ(game[1].Key, "Speed");
    EXPECT_EQ(Value(parsed, "Game", "HISCORE"), "9");
}

TEST(AutoIniReader, EntriesSplitAtTheFirstEqualsSign) {
    const auto parsed = Parse("[S]\r\nKey=a=b\r\nEmpty=\r\nBlank = x \r\n");
    EXPECT_EQ(Value(parsed, "S", "Key"), "a=b");
    EXPECT_EQ(Value(parsed, "S", "Empty"), "");
    EXPECT_EQ(Value(parsed, "S", "Blank "), " x "); // no trimming
    EXPECT_TRUE(parsed.errors.empty());
}

TEST(AutoIniReader, DroppedLinesAreReportedOnceEachAsError4) {
    const auto parsed =
        Parse("before=1\r\n;comment=1\r\n[S]\r\nnoequals\r\n=value\r\nok=1\r\n;x\r\n");
    EXPECT_EQ(parsed.errors, (std::vector<int>{4, 4, 4}));
    ASSERT_EQ(parsed.image.Sections().size(), 1u);
    EXPECT_EQ(parsed.image.Sections()[0].Entries.size(), 1u);
}

// --- The writer -----------------------------------------------------------

TEST(AutoIniWriter, WritesCommentSectionsAndAnEmptyLineAfterEach) {
    TAutoIniSections image;
    image.Write("Application", "Name", "ORBIT RAVEN");
    image.Write("Application", "Version", "1.10");
    image.Write("Game", "HiScore", "120");
    EXPECT_EQ(FormatIniFile(image, "ORBIT RAVEN"),
              ";ORBIT RAVEN\r\n[Application]\r\nName=ORBIT RAVEN\r\nVersion=1.10\r\n\r\n"
              "[Game]\r\nHiScore=120\r\n\r\n");
    EXPECT_EQ(FormatIniFile(image, ""), FormatIniFile(image, "ORBIT RAVEN").substr(14));
    EXPECT_EQ(FormatIniFile(TAutoIniSections(), "X"), ";X\r\n");
    EXPECT_EQ(FormatIniFile(TAutoIniSections(), ""), "");
}

TEST(AutoIniWriter, JapaneseTextIsStoredAsShiftJis) {
    TAutoIniSections image;
    image.Write("ゲーム", "メイン", "設定");
    const std::string bytes = FormatIniFile(image, "");
    EXPECT_EQ(bytes,
              "[\x83\x51\x81\x5B\x83\x80]\r\n\x83\x81\x83\x43\x83\x93=\x90\xDD\x92\xE8\r\n\r\n");
    EXPECT_EQ(Value(Parse(bytes), "ゲーム", "メイン"), "設定");
}

TEST(AutoIniWriter, BytesThatAreNoShiftJisSurviveAReadAndAWrite) {
    const std::string bytes = "[S]\r\nk=a\x80\xFD\xFF\x81\r\nj=\xA0z\r\n\r\n";
    const auto parsed = Parse(bytes);
    EXPECT_EQ(Value(parsed, "S", "j").back(), 'z'); // the rest of the line is not lost
    EXPECT_EQ(FormatIniFile(parsed.image, ""), bytes);
}

TEST(AutoIniWriter, ASavedDamagedFileReadsBackTheSame) {
    // Found by fuzzing: an undefined lead/trail pair (EE EE) before a
    // character that CP932 writes back with another code (EE 65 -> FA xx).
    const std::string found = "[OR\r\xEE\xEE"
                              "e=\r\n";
    const std::string saved = FormatIniFile(Parse(found).image, "");
    EXPECT_EQ(saved.substr(0, 7), "[O]\r\n\xEE\xEE");
    EXPECT_EQ(FormatIniFile(Parse(saved).image, ""), saved);
}

TEST(AutoIniWriter, TextWithoutAShiftJisFormBecomesAQuestionMark) {
    TAutoIniSections image;
    image.Write("S", "k", "a😀b\xC3");
    EXPECT_EQ(FormatIniFile(image, ""), "[S]\r\nk=a?b?\r\n\r\n");
}

// --- Typed operations -------------------------------------------------------

TEST(AutoIniOperations, ReadsGiveDefaultsAndNeverCreateEntries) {
    TAutoIniFile ini(nullptr);
    EXPECT_EQ(ini.ReadString("S", "k", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
    EXPECT_TRUE(ini.ReadBool("S", "k", true));
    EXPECT_TRUE(ini.Sections().Sections().empty());
    ini.WriteString("S", "k", "");
    EXPECT_EQ(ini.ReadString("S", "k", "def"), "");
    EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
    EXPECT_FALSE(ini.ReadBool("S", "k", false));
}

TEST(AutoIniOperations, BoolsAreExactlyYesOrNo) {
    TAutoIniFile ini(nullptr);
    ini.WriteBool("S", "on", true);
    ini.WriteBool("S", "off", false);
    EXPECT_EQ(ini.ReadString("S", "on", ""), "Yes");
    EXPECT_EQ(ini.ReadString("S", "off", ""), "No");
    EXPECT_TRUE(ini.ReadBool("S", "on", false));
    EXPECT_FALSE(ini.ReadBool("S", "off", true));
    for (const char* text : {"yes", "YES", "1", "True", "No "}) {
        ini.WriteString("S", "k", text);
        EXPECT_TRUE(ini.ReadBool("S", "k", true)) << text;
        EXPECT_FALSE(ini.ReadBool("S", "k", false)) << text;
    }
}

TEST(AutoIniOperations, IntegersConvertByTheFileRules) {
    const std::pair<const char*, int> good[] = {
        {"  12", 12},
        {"+7", 7},
        {"-3", -3},
        {"$1F", 31},
        {"$1f", 31},
        {"$FFFFFFFF", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$80000000", -2147483647 - 1},
    };
    for (const auto& [text, value] : good)
        EXPECT_EQ(IniStrToInt(text), value) << text;
    for (const char* text : {"12 ", "-$1F", "+$1", "2147483648", "-2147483649", "abc", "$", "-",
                             "$123456789", "0x1F", " ", "1.5", "\t1"})
        EXPECT_THROW(IniStrToInt(text), EConvertError) << text;

    TAutoIniFile ini(nullptr);
    ini.WriteInteger("S", "k", -42);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "-42");
    ini.WriteString("S", "k", "12 ");
    try {
        ini.ReadInteger("S", "k", 1);
        ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.what(), Format(ComponentTexts::NotAnInteger, {"12 "}));
    }
}

// A NUL (or other control byte) from the file must not end the message early.
TEST(AutoIniOperations, ControlBytesInAValueAreShownWholeInItsMessages) {
    test::FakeServices fakes;
    TAutoIniFile ini(nullptr);
    ini.WriteString("S", "k", std::string("1\0x\t", 4));
    try {
        ini.ReadInteger("S", "k", 1);
        ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.what(), Format(ComponentTexts::NotAnInteger, {"1␀x␉"}));
    }
    EXPECT_EQ(ini.ReadIntegerOrKeep("S", "k", 5), 5);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_NE(fakes.messageBox.shown[0].text.find(
                  Format(ComponentTexts::NotAnIntegerUsing, {"S", "k", "1␀x␉", "5"})),
              std::string::npos)
        << fakes.messageBox.shown[0].text;
}

TEST(AutoIniOperations, SectionsAreReadWrittenAndErasedWhole) {
    TAutoIniFile ini(nullptr);
    ini.WriteString("A", "x", "1");
    ini.WriteSection("Forms", {"Main=1,2", "noequals", "=late", "Main=3"});
    ini.WriteString("B", "y", "2");
    std::vector<std::string> lines{"stale"};
    ini.ReadSection("forms", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Main=3", "=late"}));
    ini.ReadSection("Missing", lines);
    EXPECT_TRUE(lines.empty());

    ini.EraseSection("FORMS");
    ini.EraseSection("Missing");
    EXPECT_EQ(SectionNames(ini.Sections()), (std::vector<std::string>{"A", "B"}));
    ini.EraseSection("A");
    ini.WriteSection("A", {"x=9"});
    EXPECT_EQ(SectionNames(ini.Sections()), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(ini.ReadString("b", "y", "") + ini.ReadString("a", "X", ""), "29")
        << "the sections after an erased one are found at their new places";

    std::string key = "k";
    std::string value = "v";
    TAutoIniFile::SplitEntry("", key, value);
    EXPECT_EQ(key + "|" + value, "|");
    TAutoIniFile::SplitEntry("k=v=w", key, value);
    EXPECT_EQ(key + "|" + value, "k|v=w");
}

} // namespace
} // namespace orv
