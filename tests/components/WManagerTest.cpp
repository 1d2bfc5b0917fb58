#include "components/windows/WManager.h"
#include "Fakes.h"
#include "components/ComponentTexts.h"
#include "components/settings/AutoIni.h"
#include "framework/Application.h"
#include "framework/Forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orv {
namespace {

// A window manager on a pretend screen, with window events raised by hand.
class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override { UseScreen(1024, 768); }
    void TearDown() override {
        wm.reset();
        Application().SetScreenSizeOverride(std::nullopt);
    }
    void UseScreen(int width, int height) {
        Application().SetScreenSizeOverride(TSize{width, height});
        Application().DisplayChanged();
    }
    TCreateParams Create(THandle window, const std::string& caption, TRect rect) {
        TCreateParams params{Application().Handle(), caption,      rect.Left, rect.Top,
                             rect.Width(),           rect.Height()};
        Application().WindowHooks().RaiseCreating(window, params);
        return params;
    }
    std::string Pos(int e) { return wm->FormatPos(wm->Entry(e)); }

    test::FakeServices fakes;
    std::unique_ptr<TWindowManager> wm = std::make_unique<TWindowManager>(nullptr);
};

TEST_F(WindowManagerTest, HashProbesLinearlyWrapsAndKeepsAFreedSlotsHandle) {
    wm->FindOrAddEntry("a");
    // 17 and 34 share home slot 0; 16 and 33 share 16, the last slot.
    EXPECT_EQ(wm->HashInsert(17, 1), 0);
    EXPECT_EQ(wm->HashInsert(34, 1), 1);
    EXPECT_EQ(wm->HashInsert(16, 1), 16);
    EXPECT_EQ(wm->HashInsert(33, 1), 2) << "wraps past the last slot, then probes on";
    EXPECT_EQ(wm->HashLookup(33), 2);
    EXPECT_EQ(wm->HashLookup(50), -1) << "home 16, probed through 0..2, stops at free 3";
    wm->HashRemove(17);
    EXPECT_EQ(wm->Slot(0).Entry, 0);
    EXPECT_EQ(wm->HashLookup(17), 0) << "a freed slot keeps its handle";
    EXPECT_EQ(wm->HashLookup(34), 1);
    EXPECT_EQ(wm->HashInsert(51, 1), 0) << "the freed slot is taken again";
    for (THandle h = 100; h < 113; ++h)
        EXPECT_GE(wm->HashInsert(h, 1), 0);
    EXPECT_EQ(wm->HashInsert(200, 1), -1) << "a full table overruns nothing";
    EXPECT_EQ(wm->HashLookup(999), -1);
}

TEST_F(WindowManagerTest, PosValuesReadAndWriteBackExactly) {
    struct Case {
        const char* pos;
        const char* written; // nullptr: the same as read
    } const cases[] = {
        {"YNNYNY(-1,0)2(237,249);3(300,200);", nullptr},
        {"YYNYYY(3)3(69,49)439x343;", nullptr},
        {"YNNN", nullptr},
        {"NYYYNN(5,-7)6(-1,2)3x4;", nullptr},
        {"YNNYNY(1,2)1920(900,400);3(120,90);", "YNNYNY(1,2)3(120,90);1920(900,400);"},
        {"YNNN2(10;4(1,2);", "YNNN2(0,0);"},            // a bad rectangle ends the pair
        {"YNNN0(1,1);7(2,2);800(3,3);", "YNNN7(2,2);"}, // never a number of the six
        {"YNNNq(1,1);", "YNNN"},
        {"YNNY+5", "YNNYNN(0,0)"}, // no "(": the rest of the section is left
    };
    for (const Case& c : cases) {
        TWindowEntry entry;
        entry.JumpPoint = {0, 0};
        const auto result = TWindowManager::ReadPos(c.pos, entry);
        EXPECT_EQ(wm->FormatPos(entry), c.written ? c.written : c.pos) << c.pos;
        EXPECT_EQ(result == TWindowManager::TPosRead::prStopSection, std::string(c.pos) == "YNNY+5")
            << c.pos;
    }
}

TEST_F(WindowManagerTest, OtherWidthsKeepTheEightMostRecentlyStored) {
    const int e = wm->FindOrAddEntry("w");
    for (int width = 1000; width <= 1009; ++width)
        wm->StorePlacement(e, width, width, 0, 0, 0);
    wm->StorePlacement(e, 1002, 7, 7, 0, 0);
    wm->StorePlacement(e, 3, 1, 1, 0, 0);
    EXPECT_EQ(Pos(e), "YNNYNY(-1,0)3(1,1);1003(1003,0);1004(1004,0);1005(1005,0);1006(1006,0);"
                      "1007(1007,0);1008(1008,0);1009(1009,0);1002(7,7);");
}

TEST_F(WindowManagerTest, CreationPutsAWindowBackAndPullsItOntoTheScreen) {
    struct Case {
        TRect proposed;
        int storedLeft;
        int wantLeft;
    } const cases[] = {
        {{0, 0, 400, 300}, 2000, 1024 - 400}, // beyond the right edge
        {{0, 0, 400, 300}, -500, 0},          // wholly off the left edge
        {{0, 0, 400, 300}, -100, -100},       // partly off stays
        {{-900, 0, -500, 300}, 1 << 30, 0},   // nothing stored: clamped as proposed
    };
    THandle window = 0x500;
    for (const Case& c : cases) {
        const std::string caption = "form" + std::to_string(window);
        Create(window, caption, {0, 0, 10, 10});
        const int e = wm->FindOrAddEntry(caption);
        if (c.storedLeft != 1 << 30)
            wm->StorePlacement(e, 3, c.storedLeft, 900, 0, 0);
        Application().WindowHooks().RaiseDestroying(window);
        const TCreateParams params = Create(++window, caption, c.proposed);
        EXPECT_EQ(params.Left, c.wantLeft) << caption;
        EXPECT_EQ(params.Top, c.storedLeft != 1 << 30 ? 768 - 300 : 0) << caption;
        EXPECT_EQ(params.Width, 400) << "the size stays without SaveSize";
        ++window;
    }
}

TEST_F(WindowManagerTest, WidthsAreKeptApartAndARelayoutMovesOpenWindows) {
    TForm form(nullptr);
    form.SetCaption("kept");
    const auto moveTo = [&](int left, int top) {
        form.SetBounds(left, top, 300, 200);
        Application().WindowHooks().RaiseMovingSizing(form.Handle(),
                                                      {left, top, left + 300, top + 200});
    };
    moveTo(300, 200);
    UseScreen(800, 600);
    EXPECT_EQ(wm->CurrentResolution(), 2);
    EXPECT_EQ(form.Left(), 300) << "nothing stored for 800 and on the screen: stays";
    moveTo(50, 60);
    UseScreen(1920, 1080);
    moveTo(1500, 700);
    UseScreen(640, 480);
    EXPECT_EQ(form.Left(), 640 - 300) << "nothing stored for 640: pulled onto the screen";
    EXPECT_EQ(form.Top(), 480 - 200);
    UseScreen(1024, 768);
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 200);
    EXPECT_EQ(Pos(1), "YNNYNY(-1,0)2(50,60);3(300,200);1920(1500,700);");
}

TEST_F(WindowManagerTest, SettersRefuseOutOfRangeValuesWithTheirMessages) {
    wm->SetEntryMax(0);
    wm->SetEntryMax(18);
    wm->SetHashSize(16);
    ASSERT_EQ(fakes.messageBox.shown.size(), 3u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, Tr(ComponentTexts::EntryMaxRange));
    EXPECT_EQ(fakes.messageBox.shown[1].text, Tr(ComponentTexts::EntryMaxRange));
    EXPECT_EQ(fakes.messageBox.shown[2].text, Tr(ComponentTexts::HashSizeRange));
    EXPECT_EQ(wm->EntryMax(), 17);
    EXPECT_EQ(wm->HashSize(), 17);
    Create(40, "kept", {0, 0, 10, 10});
    wm->SetHashSize(23);
    EXPECT_EQ(wm->HashLookup(40), 40 % 23) << "attached windows move to the larger table";
}

TEST_F(WindowManagerTest, TheSettingsFileRoundTripsAndAFullTableRemembersNoMore) {
    TAutoIniFile ini(nullptr);
    ini.SetWriteEnabled(false);
    const std::vector<std::string> stored = {"F0000Name=first",  "F0000Pos=YNNYNY(4,5)3(1,2);",
                                             "F0001Name=",       "F0001Pos=YNNN",
                                             "F0002Name=broken", "F0002Pos=YN",
                                             "F0003Name=odd"};
    ini.WriteSection("Forms", stored);
    ini.WriteString("WindowManager", "CursorMoveStep", "fast");
    ini.WriteString("WindowManager", "CursorMaxMoves", "7");
    wm->SaveProperties = true;
    wm->LoadPlacements(ini);
    EXPECT_EQ(wm->CursorMoveStep, 20) << "a bad number keeps the current value";
    EXPECT_EQ(wm->CursorMaxMoves, 7);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_NE(fakes.messageBox.shown[0].text.find("[WindowManager] CursorMoveStep=fast"),
              std::string::npos);
    for (int n = wm->Count() + 1; n <= 18; ++n)
        Create(static_cast<THandle>(1000 + n), "window " + std::to_string(n), {0, 0, 10, 10});
    EXPECT_EQ(wm->Count(), 17);
    EXPECT_EQ(wm->FindOrAddEntry("window 18"), 0);

    wm->SavePlacements(ini);
    std::vector<std::string> lines;
    ini.ReadSection("Forms", lines);
    ASSERT_EQ(lines.size(), 2u * 16) << "the empty caption is never written";
    EXPECT_EQ(lines[0], "F0000Name=first");
    EXPECT_EQ(lines[1], "F0000Pos=YNNYNY(4,5)3(1,2);");
    EXPECT_EQ(lines[2], "F0001Name=window 3");
    EXPECT_EQ(ini.ReadString("WindowManager", "CursorMoveStep", ""), "20");
}

} // namespace
} // namespace orv
