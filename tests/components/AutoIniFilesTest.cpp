// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The load and save steps on real files, the clients they serve, and how a
// client finds its component.
#include "AutoIniFixture.h"
#include "components/ComponentTexts.h"
#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::AutoIniFiles;

// --- Load and save steps on real files -------------------------------------

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

} // namespace
} // namespace orv
