// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/windows/WManager.h"
#include "EventLoop.h"
#include "Fakes.h"
#include "components/ComponentTexts.h"
#include "components/settings/AutoIni.h"
#include "components/windows/WinPos.h"
#include "framework/app/Application.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <climits>
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
        Application().SetScreenScaleOverride(std::nullopt);
    }
    void UseScreen(int width, int height, double scale = 1) {
        Application().SetScreenSizeOverride(TSize{width, height});
        Application().SetScreenScaleOverride(scale);
        Application().DisplayChanged();
    }
    TCreateParams Create(THandle window, const std::string& caption, TRect rect) {
        TCreateParams params{Application().Handle(), caption,      rect.Left, rect.Top,
                             rect.Width(),           rect.Height()};
        Application().WindowHooks().RaiseCreating(window, params);
        return params;
    }
    std::string Pos(int e) { return FormatPos(wm->Entry(e)); }

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
        {"YNNN2(10;4(1,2);", "YNNN2(0,0);"}, // a bad rectangle ends the pair
        // Neither a number of the six nor a width no screen has.
        {"YNNN0(1,1);7(2,2);99(4,4);800(3,3);1366(5,5);40000(6,6);", "YNNN1366(5,5);"},
        {"YNNNq(1,1);", "YNNN"},
        // Numbers no screen has would overflow the placing and the glide.
        {"YNNN3(-65535,65535);4(2147483600,5);", "YNNN3(-65535,65535);4(0,0);"},
        {"YNNY+5", "YNNYNN(0,0)"}, // no "(": the rest of the section is left
        {"YNNYNY(-65536,0)", "YNNYNY(0,0)"},
    };
    for (const Case& c : cases) {
        TWindowEntry entry;
        entry.JumpPoint = {0, 0};
        const auto result = ReadPos(c.pos, entry);
        EXPECT_EQ(FormatPos(entry), c.written ? c.written : c.pos) << c.pos;
        EXPECT_EQ(result == TPosRead::prStopSection,
                  std::string(c.pos) == "YNNY+5" || std::string(c.pos) == "YNNYNY(-65536,0)")
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

// A window is pulled back whenever less than the start of its title bar
// (40 x 20) would be on the screen, as with no window manager to do it.
TEST_F(WindowManagerTest, CreationPutsAWindowBackAndPullsItOntoTheScreen) {
    constexpr int kNone = 1 << 30;
    struct Case {
        TRect proposed;
        int storedLeft, storedTop;
        int wantLeft, wantTop;
    } const cases[] = {
        {{0, 0, 400, 300}, 2000, 900, 1024 - 400, 768 - 300}, // beyond the right edge
        {{0, 0, 400, 300}, -500, 10, 0, 10},                  // wholly off the left edge
        {{0, 0, 400, 300}, -100, 10, -100, 10},               // partly off stays
        {{0, 0, 400, 300}, 1024, 100, 1024 - 400, 100},       // just off the right edge
        {{0, 0, 400, 300}, -400, 100, 0, 100},                // just off the left edge
        {{0, 0, 400, 300}, 100, 768, 100, 768 - 300},         // just off the bottom
        {{0, 0, 400, 300}, 1020, 764, 1024 - 400, 768 - 300}, // a 4 x 4 corner
        {{0, 0, 400, 300}, -361, -281, 0, 0},                 // 39 x 19 on the screen
        {{0, 0, 400, 300}, -360, -280, -360, -280},           // 40 x 20 stays
        {{0, 0, 400, 300}, 984, 748, 984, 748},               // 40 x 20 stays
        {{-900, 0, -500, 300}, kNone, 0, 0, 0},               // nothing stored: clamped as proposed
    };
    THandle window = 0x500;
    for (const Case& c : cases) {
        const std::string caption = "form" + std::to_string(window);
        Create(window, caption, {0, 0, 10, 10});
        const int e = wm->FindOrAddEntry(caption);
        if (c.storedLeft != kNone)
            wm->StorePlacement(e, 3, c.storedLeft, c.storedTop, 0, 0);
        Application().WindowHooks().RaiseDestroying(window);
        const TCreateParams params = Create(++window, caption, c.proposed);
        EXPECT_EQ(params.Left, c.wantLeft) << caption;
        EXPECT_EQ(params.Top, c.wantTop) << caption;
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

// A hand-edited file may hold any number (the reader refuses those beyond
// what a screen has, but the placing must not rely on it). A window opened
// with it never vanishes (no size, or one no screen shows) and never loses
// the screen to a sum that wrapped; closed again, it writes back where it
// really was.
TEST_F(WindowManagerTest, HostileStoredPlacesNeitherHideNorLoseAWindow) {
    struct Case {
        TRect stored; // left, top, width, height
        TRect want;   // left, top, right, bottom
    } const cases[] = {
        {{100, 100, 0, 0}, {100, 100, 500, 400}},
        {{100, 100, -5, -5}, {100, 100, 500, 400}},
        {{100, 100, 0, 300}, {100, 100, 500, 400}},
        {{10, 10, 40000, 300}, {10, 10, 410, 310}},
        {{100, 100, INT_MIN, 300}, {100, 100, 500, 400}},
        {{2147483000, 10, 2000, 300}, {1024 - 2000, 10, 1024, 310}},
        {{-2147483000, -2147483000, 2000, 300}, {0, 0, 2000, 300}},
        {{10, INT_MAX, 300, INT_MAX}, {10, 768 - 300, 410, 768}},
        {{INT_MIN, INT_MIN, 500, 400}, {0, 0, 500, 400}},
    };
    for (const Case& c : cases) {
        const TRect& r = c.stored;
        const std::string caption = "hostile " + std::to_string(r.Left) + "," +
                                    std::to_string(r.Top) + " " + std::to_string(r.Right) + "x" +
                                    std::to_string(r.Bottom);
        const int e = wm->FindOrAddEntry(caption);
        wm->Entry(e).SaveSize = true;
        wm->StorePlacement(e, 3, r.Left, r.Top, r.Right, r.Bottom);
        SCOPED_TRACE(caption);
        {
            TForm form(nullptr);
            form.SetCaption(caption);
            form.SetBounds(0, 0, 400, 300);
            form.Handle();
            EXPECT_EQ((TRect{form.Left(), form.Top(), form.Left() + form.Width(),
                             form.Top() + form.Height()}),
                      c.want);
        }
        const TRect& w = c.want;
        EXPECT_EQ(Pos(e), "YYNYNY(-1,0)3(" + std::to_string(w.Left) + "," + std::to_string(w.Top) +
                              ")" + std::to_string(w.Width()) + "x" + std::to_string(w.Height()) +
                              ";");
    }
}

TEST_F(WindowManagerTest, TheTableKeepsEveryWindowAndLetsGoOfFormsWithoutOne) {
    wm->SetHashSize(70000);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, Format(ComponentTexts::HashSizeTooLarge, {"65536"}));
    EXPECT_EQ(wm->HashSize(), 17);
    // Two open windows with one caption both stay attached through a rehash.
    Create(40, "twin", {0, 0, 10, 10});
    Create(57, "twin", {0, 0, 10, 10});
    const int twin = wm->FindOrAddEntry("twin");
    wm->SetHashSize(23);
    for (const THandle window : {40u, 57u}) {
        const int s = wm->HashLookup(window);
        ASSERT_GE(s, 0) << window;
        EXPECT_EQ(wm->Slot(s).Entry, twin) << window;
    }
    EXPECT_EQ(wm->Slot(wm->Entry(twin).HashSlot).Window, 57u);

    // A form of the same caption that has no window of its own is never
    // taken as the entry's form: nothing would let go of it at its end.
    Create(90, "設定", {0, 0, 300, 200});
    const int e = wm->FindOrAddEntry("設定");
    wm->Entry(e).JumpToControl = true;
    TForm first(nullptr);
    auto ghost = std::make_unique<TForm>(nullptr);
    ghost->SetCaption("設定");
    new TButton(ghost.get());
    Application().WindowHooks().RaiseActivating(90, false, kNoWindow);
    EXPECT_EQ(wm->Entry(e).Form, nullptr);
}

// Two managers, the first made going first: the second still hears of
// display and activation changes, and nothing of the first is left to call.
TEST_F(WindowManagerTest, AManagerGoingFirstLeavesTheOthersHandlersInPlace) {
    auto second = std::make_unique<TWindowManager>(nullptr);
    wm->Loaded();
    second->Loaded();
    wm.reset();
    UseScreen(800, 600);
    EXPECT_EQ(second->ScreenWidth(), 800);
    TForm form(nullptr);
    form.SetCaption("second's");
    form.Handle();
    const int e = second->FindOrAddEntry("second's");
    Application().FormActivated(form);
    EXPECT_TRUE(test::RunEventsUntil([&] { return second->Entry(e).Form == &form; }));
    second.reset();
    EXPECT_TRUE(Application().OnDisplayChange.Empty());
    EXPECT_TRUE(Application().OnActiveFormChange.Empty());
}

// The width that picks a place is counted in the device's pixels; places
// stay in the program's own. Where nothing is stored for a screen yet, a
// designed place partly off it is moved wholly onto it.
TEST_F(WindowManagerTest, DevicePixelsPickThePlaceAndAFirstStartFitsTheScreen) {
    UseScreen(1024, 768, 2);
    EXPECT_EQ(wm->ScreenWidth(), 2048);
    EXPECT_EQ(wm->CurrentResolution(), 0);
    // A scale change seen first on coming back to the program.
    Application().SetScreenSizeOverride(TSize{960, 540});
    TForm main(nullptr);
    main.SetCaption("main");
    main.SetBounds(237, 249, 612, 470);
    main.Handle();
    EXPECT_EQ(wm->ScreenWidth(), 2048) << "no display change was raised yet";
    EXPECT_EQ(main.Top(), 540 - 470) << "partly off the bottom with nothing stored";
    EXPECT_EQ(main.Left(), 237);
    Application().SetScreenScaleOverride(2);
    Application().WindowHooks().RaiseActivating(main.Handle(), true, kNoWindow);
    EXPECT_EQ(wm->ScreenWidth(), 1920);
    Application().WindowHooks().RaiseMovingSizing(main.Handle(), {237, 249, 849, 719});
    EXPECT_EQ(Pos(1), "YNNYNY(-1,0)1920(237,249);");
    // A stored place is the player's: partly off, it stays.
    TForm again(nullptr);
    again.SetCaption("main");
    again.SetBounds(0, 0, 612, 470);
    again.Handle();
    EXPECT_EQ(again.Top(), 249);
}

} // namespace
} // namespace orv
