// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/settings/SysConf.h"
#include "Fakes.h"
#include "ModalHook.h"
#include "components/ComponentTexts.h"
#include "components/settings/AutoIni.h"
#include "components/settings/SysConfF.h"
#include "components/widgets/NScrEdit.h"
#include "components/windows/WManager.h"
#include "framework/app/Application.h"
#include "framework/app/Keys.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ScrollBar.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::ModalAnswer;

// The application's hint settings are shared by every test: each test starts
// from the program's start values and leaves them as it found them.
class HintSettings : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {app.ShowHint(), app.HintPause(), app.HintHidePause()};
        app.SetShowHint(true);
        app.SetHintPause(500);
        app.SetHintHidePause(2500);
    }
    void TearDown() override {
        app.SetShowHint(saved_.ShowHint);
        app.SetHintPause(saved_.HintPause);
        app.SetHintHidePause(saved_.HintHidePause);
    }
    void ExpectLive(bool show, int pause, int hidePause) const {
        EXPECT_EQ(app.ShowHint(), show);
        EXPECT_EQ(app.HintPause(), pause);
        EXPECT_EQ(app.HintHidePause(), hidePause);
    }

    TApplication& app = Application();
    test::FakeServices fakes;

private:
    SystemConfigSettings saved_;
};

// ---- The form --------------------------------------------------------------

class SystemConfigForm : public HintSettings {
protected:
    void Open(const SystemConfigSettings& settings) { form.SetSettings(settings, nullptr); }
    TSystemConfigForm form{nullptr};
};

TEST_F(SystemConfigForm, LaysItselfOutFromItsDescription) {
    EXPECT_EQ(form.ConfigPageControl->Width(), 417);
    EXPECT_EQ(form.ConfigPageControl->Height(), 298);
    // Worked out from the parts, not stored.
    EXPECT_EQ(form.HintPauseNumScrollEdit->Width(), 312);
    EXPECT_EQ(form.HintHidePauseNumScrollEdit->Width(), 312);
    EXPECT_EQ(form.CursorMoveStepNumScrollEdit->Width(), 273);
    EXPECT_EQ(form.CursorMaxMovesNumScrollEdit->Width(), 273);
    // The page control's hint setting reaches a number field's scroll bar,
    // which shows the field's hint.
    TControl* bar = &form.HintPauseNumScrollEdit->ScrollBar();
    EXPECT_EQ(HintControlOf(bar), form.HintPauseNumScrollEdit);
    EXPECT_EQ(HintTextOf(*HintControlOf(bar)), Tr(ComponentTexts::HintPauseHint));
}

TEST_F(SystemConfigForm, EditsAreLiveAndCancelPutsTheOpeningValuesBack) {
    Open({true, 700, 3000, false, 1, 1});
    ExpectLive(true, 700, 3000);
    form.HintPauseNumScrollEdit->SetPosition(1200);
    form.HintHidePauseNumScrollEdit->SetPosition(9000);
    ExpectLive(true, 1200, 9000);
    form.ShowHintCheckBox->SetChecked(false);
    EXPECT_FALSE(app.ShowHint());
    EXPECT_FALSE(form.HintPauseNumScrollEdit->Enabled());
    EXPECT_FALSE(form.HintHidePauseNumScrollEdit->Enabled());
    form.CancelButton->Click();
    ExpectLive(true, 700, 3000);
    EXPECT_TRUE(form.HintPauseNumScrollEdit->Enabled());
    EXPECT_EQ(form.ModalResult(), mrCancel);

    form.HelpInitButtonClick(nullptr);
    ExpectLive(true, 500, 2500);
    EXPECT_EQ(form.HintHidePauseNumScrollEdit->Position(), 2500);
    test::PressKey(form, VK_ESCAPE);
    ExpectLive(true, 700, 3000);
}

TEST_F(SystemConfigForm, AStoredPauseAboveTheRangeIsLostOnOpening) {
    Open({true, 15000, 2500, false, 1, 1});
    EXPECT_EQ(app.HintPause(), 10000);
    form.CancelButton->Click();
    EXPECT_EQ(app.HintPause(), 10000) << "Cancel brought back a value the field cannot show";
}

TEST_F(SystemConfigForm, WithoutAWindowManagerTheMousePageChangesOnlyItself) {
    Open({true, 500, 2500, false, 0, 0});
    EXPECT_FALSE(form.JumpCursorCheckBox->Checked());
    EXPECT_EQ(form.CursorMoveStepNumScrollEdit->Position(), 1);
    EXPECT_EQ(form.CursorMaxMovesNumScrollEdit->Position(), 1);
    EXPECT_TRUE(form.CursorMoveStepNumScrollEdit->Enabled());
    form.MouseInitButtonClick(nullptr);
    EXPECT_TRUE(form.JumpCursorCheckBox->Checked());
    EXPECT_EQ(form.CursorMoveStepNumScrollEdit->Position(), 20);
    EXPECT_EQ(form.CursorMaxMovesNumScrollEdit->Position(), 10);
    form.JumpCursorCheckBox->SetChecked(false);
    EXPECT_TRUE(form.CursorMaxMovesNumScrollEdit->Enabled());
    ExpectLive(true, 500, 2500);
}

TEST_F(SystemConfigForm, TheMousePageDrivesTheWindowManagerLiveAndCancelPutsItBack) {
    TWindowManager manager(nullptr);
    manager.CursorMoveStep = 30;
    manager.CursorMaxMoves = 40;
    form.SetSettings({true, 500, 2500, true, 30, 40}, &manager);
    form.CursorMoveStepNumScrollEdit->SetPosition(45);
    form.CursorMaxMovesNumScrollEdit->SetPosition(99);
    form.JumpCursorCheckBox->SetChecked(false);
    EXPECT_FALSE(manager.JumpCursor);
    EXPECT_EQ(manager.CursorMoveStep, 45);
    EXPECT_EQ(manager.CursorMaxMoves, 99);
    EXPECT_FALSE(form.CursorMoveStepNumScrollEdit->Enabled());
    EXPECT_FALSE(form.CursorMaxMovesNumScrollEdit->Enabled());
    form.CancelButton->Click();
    EXPECT_TRUE(manager.JumpCursor);
    EXPECT_EQ(manager.CursorMoveStep, 30);
    EXPECT_EQ(manager.CursorMaxMoves, 40);
    EXPECT_TRUE(form.CursorMaxMovesNumScrollEdit->Enabled());
    form.MouseInitButtonClick(nullptr);
    EXPECT_EQ(manager.CursorMoveStep, 20);
    EXPECT_EQ(manager.CursorMaxMoves, 10);
}

// ---- The component and its settings file -----------------------------------

class SystemConfigComponent : public HintSettings {
protected:
    void SetUp() override {
        HintSettings::SetUp();
        std::string pattern = fs::temp_directory_path() / "sysconf-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
        savedExe_ = app.ExeName();
        app.SetExeName(dir_ + "GAME");
    }
    void TearDown() override {
        owner.reset();
        QCoreApplication::sendPostedEvents();
        app.SetExeName(savedExe_);
        fs::remove_all(dir_);
        HintSettings::TearDown();
    }

    void Forget() { fs::remove_all(dir_), fs::create_directory(dir_); }
    void Put(const std::string& text) {
        std::ofstream(dir_ + "GAME.INI", std::ios::binary) << text;
    }
    std::string File() const {
        std::ifstream file(dir_ + "GAME.INI", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    // A form owning a settings file and the component, as loaded.
    void Open() {
        owner = std::make_unique<TForm>(nullptr);
        new TAutoIniFile(owner.get());
        config = new TSystemConfig(owner.get());
        owner->FinishLoading();
    }
    // The program's end: the switch goes off, then the components go.
    void End() {
        app.SetShowHint(false);
        owner.reset();
    }
    std::string Saved(const char* show, int pause, int hidePause) const {
        return "[SystemConfig]\r\nShowHint=" + std::string(show) +
               "\r\nHintPause=" + std::to_string(pause) +
               "\r\nHintHidePause=" + std::to_string(hidePause) + "\r\n";
    }

    std::unique_ptr<TForm> owner;
    TSystemConfig* config = nullptr;

private:
    std::string dir_;
    std::string savedExe_;
};

TEST_F(SystemConfigComponent, WithoutAFileTheStartValuesAreKeptAndWritten) {
    Open();
    ASSERT_NE(config->IniFile(), nullptr);
    EXPECT_EQ(config->WindowManager(), nullptr);
    ExpectLive(true, 500, 2500);
    EXPECT_TRUE(config->SavedShowHint());
    End();
    EXPECT_NE(File().find(Saved("Yes", 500, 2500)), std::string::npos) << File();
}

TEST_F(SystemConfigComponent, StoredValuesApplyAtLoadAndGoBackUnchanged) {
    Put("[SystemConfig]\r\nShowHint=No\r\nHintPause=800\r\nHintHidePause=4000\r\n");
    Open();
    ExpectLive(false, 800, 4000);
    EXPECT_FALSE(config->SavedShowHint());
    bool checkedAtShow = true, pauseEnabledAtShow = true;
    {
        ModalAnswer ok([&](TForm& f) {
            auto& form = dynamic_cast<TSystemConfigForm&>(f);
            checkedAtShow = form.ShowHintCheckBox->Checked();
            pauseEnabledAtShow = form.HintPauseNumScrollEdit->Enabled();
            form.SetButton->Click();
        });
        EXPECT_TRUE(config->Execute());
    }
    EXPECT_FALSE(checkedAtShow);
    EXPECT_FALSE(pauseEnabledAtShow);
    End();
    EXPECT_NE(File().find(Saved("No", 800, 4000)), std::string::npos) << File();
}

TEST_F(SystemConfigComponent, HowTheFormClosesDecidesWhetherHintsStayOff) {
    struct Case {
        const char* how;
        std::function<void(TSystemConfigForm&)> close;
        bool result;
        bool live;
        const char* saved;
    };
    const Case cases[] = {
        {"OK", [](TSystemConfigForm& f) { f.SetButton->Click(); }, true, false, "No"},
        {"Cancel", [](TSystemConfigForm& f) { f.CancelButton->Click(); }, true, true, "Yes"},
        {"window frame", [](TSystemConfigForm& f) { f.Close(); }, true, false, "No"},
        {"other result", [](TSystemConfigForm& f) { f.SetModalResult(mrYes); }, false, false, "No"},
    };
    for (const Case& c : cases) {
        Forget();
        app.SetShowHint(true);
        Open();
        ModalAnswer answer([&](TForm& f) {
            auto& form = dynamic_cast<TSystemConfigForm&>(f);
            form.ShowHintCheckBox->SetChecked(false);
            c.close(form);
        });
        EXPECT_EQ(config->Execute(), c.result) << c.how;
        EXPECT_EQ(app.ShowHint(), c.live) << c.how;
        EXPECT_EQ(config->SavedShowHint(), c.live) << c.how;
        End();
        EXPECT_NE(File().find(std::string("ShowHint=") + c.saved), std::string::npos) << c.how;
    }
}

TEST_F(SystemConfigComponent, FindsOnlyAWindowManagerMadeBeforeItAndOpensWithItsValues) {
    owner = std::make_unique<TForm>(nullptr);
    auto* early = new TSystemConfig(owner.get());
    auto* manager = new TWindowManager(owner.get());
    config = new TSystemConfig(owner.get());
    owner->FinishLoading();
    EXPECT_EQ(early->WindowManager(), nullptr);
    ASSERT_EQ(config->WindowManager(), manager);
    manager->JumpCursor = false;
    manager->CursorMoveStep = 33;
    manager->CursorMaxMoves = 44;
    bool jumpAtShow = true;
    int stepAtShow = 0, movesAtShow = 0;
    ModalAnswer ok([&](TForm& f) {
        auto& form = dynamic_cast<TSystemConfigForm&>(f);
        jumpAtShow = form.JumpCursorCheckBox->Checked();
        stepAtShow = form.CursorMoveStepNumScrollEdit->Position();
        movesAtShow = form.CursorMaxMovesNumScrollEdit->Position();
        form.CursorMoveStepNumScrollEdit->SetPosition(12);
        form.SetButton->Click();
    });
    EXPECT_TRUE(config->Execute());
    EXPECT_FALSE(jumpAtShow);
    EXPECT_EQ(stepAtShow, 33);
    EXPECT_EQ(movesAtShow, 44);
    EXPECT_EQ(manager->CursorMoveStep, 12);
}

TEST_F(SystemConfigComponent, ATimeThatIsNotANumberIsReportedAndMended) {
    Put("[SystemConfig]\r\nShowHint=Yes\r\nHintPause=abc\r\nHintHidePause=3000\r\n");
    Open();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
    const std::string& text = fakes.messageBox.shown[0].text;
    for (const char* part : {"SystemConfig", "HintPause", "abc"})
        EXPECT_NE(text.find(part), std::string::npos) << text;
    ExpectLive(true, 500, 3000);
    End();
    EXPECT_NE(File().find(Saved("Yes", 500, 3000)), std::string::npos) << File();
}

TEST_F(SystemConfigComponent, SavesOnceWhicheverGoesFirst) {
    // The component created before the settings file still finds it at
    // load and is saved by the file's own save step, which goes first.
    owner = std::make_unique<TForm>(nullptr);
    config = new TSystemConfig(owner.get());
    new TAutoIniFile(owner.get());
    owner->FinishLoading();
    ASSERT_NE(config->IniFile(), nullptr);
    app.SetHintPause(1234);
    End();
    EXPECT_NE(File().find(Saved("Yes", 1234, 2500)), std::string::npos) << File();
}

} // namespace
} // namespace orv
