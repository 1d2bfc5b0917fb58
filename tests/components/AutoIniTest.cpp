#include "components/settings/AutoIni.h"
#include "Fakes.h"
#include "components/ComponentTexts.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              Format(ComponentTexts::NotAnIntegerKept, {"S", "k", "1␀x␉", "5"}));
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

// --- Load and save steps on real files -------------------------------------

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
        std::string pattern = fs::temp_directory_path() / "autoini-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
        savedExe_ = Application().ExeName();
        Application().SetExeName(dir_ + "GAME");
    }
    void TearDown() override {
        Application().SetExeName(savedExe_);
        fs::remove_all(dir_);
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
        for (const auto& entry : fs::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::set<std::string> Listing() const { return Listing(dir_); }

    test::FakeServices fakes_;
    std::string dir_;
    std::string savedExe_;
    std::vector<int> errors_;
    FaultyFiles* faults_ = nullptr;
};

TEST_F(AutoIniFiles, FileNamesResolveBesideTheProgram) {
    auto byDefault = Start();
    EXPECT_EQ(byDefault->IniFileName(), dir_ + "GAME.INI");
    EXPECT_EQ(byDefault->BakFileName(), dir_ + "GAME.~NI");
    EXPECT_EQ(byDefault->OrgFileName(), dir_ + "ORIGINAL.INI");
    byDefault->SetWriteEnabled(false);

    auto named = Start([](TAutoIniFile& ini) {
        ini.SetIniName("Settings");
        ini.SetBakName("Old");
        ini.SetOrgName("Factory");
    });
    EXPECT_EQ(named->IniFileName(), dir_ + "Settings.INI");
    EXPECT_EQ(named->BakFileName(), dir_ + "Old.INI");
    EXPECT_EQ(named->OrgFileName(), dir_ + "Factory.INI");
    named->SetWriteEnabled(false);
}

TEST_F(AutoIniFiles, FirstStartReportsAllThreeAndWritesOnlyTheSettingsFile) {
    auto ini = Start();
    EXPECT_EQ(errors_, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), 0);
    ini->WriteInteger("Game", "HiScore", 10);
    ini.reset();
    EXPECT_EQ(Listing(), std::set<std::string>{"GAME.INI"});
    EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=10\r\n\r\n");
}

TEST_F(AutoIniFiles, EachRunKeepsThePreviousFileAsTheBackup) {
    for (int score : {10, 20, 30}) {
        auto ini = Start();
        EXPECT_EQ(ini->ReadInteger("Game", "HiScore", 0), score == 10 ? 0 : score - 10);
        ini->WriteInteger("Game", "HiScore", score);
    }
    EXPECT_EQ(errors_, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Listing(), (std::set<std::string>{"GAME.INI", "GAME.~NI"}));
    EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=30\r\n\r\n");
    EXPECT_EQ(Get("GAME.~NI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=20\r\n\r\n");
}

// A second copy on the same file is told once that the copy ending last
// wins, and goes on; the lock goes with the copy that held it.
TEST_F(AutoIniFiles, ASecondCopyOnTheSameFileIsToldWhoseSettingsWin) {
    Put("GAME.INI", "[Game]\r\nHiScore=5\r\n");
    auto first = Start();
    EXPECT_TRUE(fakes_.messageBox.shown.empty());
    auto second = Start();
    ASSERT_EQ(fakes_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes_.messageBox.shown[0].text, Format(ComponentTexts::AnotherCopyRunning,
                                                      {Application().Title(), dir_ + "GAME.INI"}));
    EXPECT_EQ(second->ReadInteger("Game", "HiScore", 0), 5);
    auto elsewhere = Start([](TAutoIniFile& ini) { ini.SetIniName("OTHER"); });
    first->WriteInteger("Game", "HiScore", 6);
    first.reset();
    second->WriteInteger("Game", "HiScore", 7);
    second.reset();
    EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=7\r\n\r\n");
    auto third = Start();
    EXPECT_EQ(fakes_.messageBox.shown.size(), 1u) << "another file, and a file no copy holds";
    elsewhere->SetWriteEnabled(false);
    third->SetWriteEnabled(false);
}

TEST_F(AutoIniFiles, FallbackFilesAreReadAndLeftAsTheyWere) {
    Put("GAME.~NI", "[Game]\r\nHiScore=7\r\n");
    Put("ORIGINAL.INI", "[Game]\r\nHiScore=1\r\n");
    EXPECT_EQ(Start()->ReadInteger("Game", "HiScore", 0), 7);
    EXPECT_EQ(errors_, std::vector<int>{1});
    EXPECT_EQ(Get("GAME.~NI"), "[Game]\r\nHiScore=7\r\n");
    EXPECT_EQ(Get("GAME.INI"), ";ORBIT RAVEN\r\n[Game]\r\nHiScore=7\r\n\r\n");

    fs::remove(dir_ + "GAME.INI");
    fs::remove(dir_ + "GAME.~NI");
    errors_.clear();
    EXPECT_EQ(Start()->ReadInteger("Game", "HiScore", 0), 1);
    EXPECT_EQ(errors_, (std::vector<int>{1, 2}));
    EXPECT_EQ(Get("ORIGINAL.INI"), "[Game]\r\nHiScore=1\r\n");
}

TEST_F(AutoIniFiles, WriteDisabledRunsTheSaveStepButTouchesNoFile) {
    Put("GAME.INI", "[Game]\r\nHiScore=5\r\n");
    std::vector<std::string> log;
    TComponent client(nullptr);
    auto ini = Start([&](TAutoIniFile& component) {
        component.SetWriteEnabled(false);
        component.OnIniSaving = [&](TObject*) { log.push_back("saving"); };
        component.RegisterClient(&client, {}, [&](TAutoIniFile&) { log.push_back("client"); });
    });
    ini->WriteInteger("Game", "HiScore", 99);
    ini.reset();
    EXPECT_EQ(log, (std::vector<std::string>{"saving", "client"}));
    EXPECT_EQ(Listing(), std::set<std::string>{"GAME.INI"});
    EXPECT_EQ(Get("GAME.INI"), "[Game]\r\nHiScore=5\r\n");
}

TEST_F(AutoIniFiles, JapaneseAndDamagedBytesComeBackFromTheDisk) {
    const std::string damaged =
        "[\x83\x51\x81\x5B\x83\x80]\r\nCaption=\x90\xDD\x92\xE8\x80\r\n\r\n";
    Put("GAME.INI", damaged);
    auto ini = Start([](TAutoIniFile& ini) { ini.SetComment(""); });
    EXPECT_EQ(ini->ReadString("ゲーム", "Caption", "").substr(0, 6), "設定");
    ini.reset();
    EXPECT_EQ(Get("GAME.INI"), damaged);
}

// --- Clients ----------------------------------------------------------------

TEST_F(AutoIniFiles, ClientsAreServedInRegistrationOrderAcrossBlocks) {
    std::vector<std::string> log;
    std::vector<std::unique_ptr<TComponent>> clients;
    auto ini = Start([&](TAutoIniFile& component) {
        component.OnIniLoaded = [&](TObject*) { log.push_back("loaded"); };
        component.OnIniSaving = [&](TObject*) { log.push_back("saving"); };
        for (int i = 0; i < 17; ++i) {
            clients.push_back(std::make_unique<TComponent>(nullptr));
            component.RegisterClient(
                clients.back().get(),
                [&, i](TAutoIniFile&) { log.push_back("L" + std::to_string(i)); },
                [&, i](TAutoIniFile&) { log.push_back("S" + std::to_string(i)); });
        }
    });
    std::vector<std::string> expected{"loaded"};
    for (int i = 0; i < 17; ++i)
        expected.push_back("L" + std::to_string(i));
    EXPECT_EQ(log, expected);

    log.clear();
    ini.reset();
    expected = {"saving"};
    for (int i = 0; i < 17; ++i)
        expected.push_back("S" + std::to_string(i));
    EXPECT_EQ(log, expected);
}

TEST_F(AutoIniFiles, LateAndLeavingClientsAreServedOnceAtTheirMoment) {
    std::vector<std::string> log;
    TComponent early(nullptr);
    TComponent fromEvent(nullptr);
    TComponent late(nullptr);
    auto record = [&](std::string what) {
        return [&log, what](TAutoIniFile&) { log.push_back(what); };
    };
    auto ini = Start([&](TAutoIniFile& component) {
        component.RegisterClient(&early, record("early load"), record("early save"));
        component.OnIniLoaded = [&, self = &component](TObject*) {
            self->RegisterClient(&fromEvent, record("event load"), record("event save"));
        };
    });
    EXPECT_EQ(log, (std::vector<std::string>{"early load", "event load"}));

    ini->RegisterClient(&late, record("late load"), record("late save"));
    EXPECT_EQ(log.back(), "late load");
    ini->UnregisterClient(&early);
    EXPECT_EQ(log.back(), "early save");
    ini->UnregisterClient(&early);
    ini->UnregisterClient(&late);
    ini->UnregisterClient(&late);
    log.clear();
    ini.reset();
    EXPECT_EQ(log, std::vector<std::string>{"event save"});
}

TEST(AutoIniFind, LooksOnTheClientsFormThenOnTheMainForm) {
    test::FakeServices fakes;
    ASSERT_EQ(Application().MainForm(), nullptr) << "another test left a form alive";
    TComponent loose(nullptr);
    EXPECT_EQ(FindAutoIniFile(&loose), nullptr);

    TForm mainForm(nullptr);
    TForm dialog(nullptr);
    auto* dialogClient = new TComponent(&dialog);
    EXPECT_EQ(FindAutoIniFile(dialogClient), nullptr);

    new TComponent(&mainForm);
    auto* mainIni = new TAutoIniFile(&mainForm);
    new TAutoIniFile(&mainForm);
    EXPECT_EQ(FindAutoIniFile(dialogClient), mainIni);
    EXPECT_EQ(FindAutoIniFile(&loose), mainIni);

    auto* dialogIni = new TAutoIniFile(&dialog);
    EXPECT_EQ(FindAutoIniFile(dialogClient), dialogIni);
}

// --- Mended faults ------------------------------------------------------------

// Sets an environment variable for one scope.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
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
                                     "GAME.INI.tmp" + dead + "-x"}));
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
