// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Component.h"
#include "Fakes.h"
#include "framework/app/Application.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <QTest>

#include "EventLoop.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

namespace orv {
namespace {

// Logs its own loading and destruction into a shared journal; on its way out
// it checks that its owner is still of the class it was made in, as an event
// handler bound to the owner would need.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name, std::vector<std::string>& log);
    ~Probe() override;
    void Loaded() override {
        TComponent::Loaded();
        log_.push_back("loaded " + Name());
    }

private:
    TComponent* owner_;
    const std::type_info* ownerClass_;
    std::vector<std::string>& log_;
};

class ProbeForm : public TForm {
public:
    explicit ProbeForm(std::vector<std::string>& log, TComponent* owner = nullptr)
        : TForm(owner), log_(log) {
        new Probe(this, "a", log);
        new Probe(this, "b", log);
        new Probe(this, "c", log);
    }
    void Loaded() override {
        TForm::Loaded();
        log_.push_back("loaded form");
    }

protected:
    void BeforeDestruction() override { log_.push_back("form body"); }

private:
    std::vector<std::string>& log_;
};

// Made in its owner's constructor, it sees the owner's own class.
Probe::Probe(TComponent* owner, std::string name, std::vector<std::string>& log)
    : TComponent(owner), owner_(owner), ownerClass_(owner ? &typeid(*owner) : nullptr), log_(log) {
    SetName(std::move(name));
}

Probe::~Probe() {
    // typeid reads the object's class as it stands at this moment.
    const bool whole = owner_ && typeid(*owner_) == *ownerClass_;
    log_.push_back("~" + Name() + (whole ? " in whole form" : owner_ ? " in a torn form" : ""));
}

TEST(Component, FormLoadsItselfFirstThenComponentsInCreationOrder) {
    std::vector<std::string> log;
    ProbeForm form(log);
    form.FinishLoading();
    EXPECT_EQ(log, (std::vector<std::string>{"loaded form", "loaded a", "loaded b", "loaded c"}));
}

// Deleted directly or by its owner, a form ends its own life first, then its
// components go last-to-first while it is still a ProbeForm for them.
TEST(Component, FormBodyRunsBeforeComponentsDieLastToFirstWhileTheFormIsWhole) {
    const std::vector<std::string> expected{"form body", "~c in whole form", "~b in whole form",
                                            "~a in whole form"};
    std::vector<std::string> log;
    std::make_unique<ProbeForm>(log).reset();
    EXPECT_EQ(log, expected);

    log.clear();
    {
        TComponent owner(nullptr);
        new ProbeForm(log, &owner);
    }
    EXPECT_EQ(log, expected);
}

// Loading that fails leaves no component behind to call into a form that is
// no longer whole.
class FailingForm : public TForm {
public:
    explicit FailingForm(std::vector<std::string>& log) : TForm(nullptr) {
        new Probe(this, "a", log);
        new Probe(this, "b", log);
        FinishLoading();
    }
    void Loaded() override { throw std::runtime_error("broken"); }
};

TEST(Component, AFormWhoseLoadingFailsLosesItsComponentsWhileWhole) {
    std::vector<std::string> log;
    EXPECT_THROW(FailingForm{log}, std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"~b in whole form", "~a in whole form"}));
}

// A last step that fails is shown, and the form still goes with its parts.
class BrokenEndForm : public ProbeForm {
public:
    using ProbeForm::ProbeForm;

protected:
    void BeforeDestruction() override { throw std::runtime_error("not saved"); }
};

TEST(Component, AFailedLastStepIsShownAndTheFormStillGoes) {
    test::FakeServices fakes;
    std::vector<std::string> log;
    std::make_unique<BrokenEndForm>(log).reset();
    EXPECT_EQ(log.size(), 3u);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, "not saved");
}

TEST(Component, EarlyDestroyedComponentLeavesItsOwner) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* first = new Probe(&owner, "first", log);
    new Probe(&owner, "second", log);
    delete first;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components().front()->Name(), "second");
}

TEST(Component, ControlOutlivingItsParentIsDetached) {
    TForm form(nullptr);
    TPaintBox box(nullptr);
    box.SetParent(&form);
    ASSERT_EQ(form.Controls().size(), 1u);
    {
        TForm other(nullptr);
        box.SetParent(&other);
        EXPECT_TRUE(form.Controls().empty());
    }
    EXPECT_EQ(box.Parent(), nullptr);
}

TEST(Form, OuterSizeIsClientSizePlusFixedBorder) {
    TForm form(nullptr);
    form.SetClientWidth(232);
    form.SetClientHeight(73);
    EXPECT_EQ(form.Width(), 240);
    EXPECT_EQ(form.Height(), 100);
    form.SetBounds(10, 20, 240, 100);
    EXPECT_EQ(form.ClientWidth(), 232);
    EXPECT_EQ(form.ClientHeight(), 73);
}

TEST(Form, ClientPointsMapToTheScreenBelowTheMenuAndBack) {
    TForm form(nullptr);
    form.SetBounds(100, 50, 200, 150);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetBounds(30, 20, 60, 24);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Peer()));
    const TPoint origin = form.ClientToScreen({0, 0});
    EXPECT_EQ(form.ClientToScreen({7, 9}), (TPoint{origin.X + 7, origin.Y + 9}));
    EXPECT_EQ(button->ClientToScreen({0, 0}), (TPoint{origin.X + 30, origin.Y + 20}));
    for (const TPoint p : {TPoint{0, 0}, TPoint{-5, 12}, TPoint{199, 3}})
        EXPECT_EQ(form.ScreenToClient(form.ClientToScreen(p)), p);
}

TEST(Form, OpenFormsListTheMostRecentlyActivatedFirst) {
    TForm a(nullptr), b(nullptr);
    {
        TForm c(nullptr);
        EXPECT_EQ(Application().Forms(), (std::vector<TForm*>{&a, &b, &c}));
        Application().FormActivated(b);
        EXPECT_EQ(Application().Forms(), (std::vector<TForm*>{&b, &a, &c}));
    }
    EXPECT_EQ(Application().Forms(), (std::vector<TForm*>{&b, &a})) << "a destroyed form left";
    a.SetBounds(0, 0, 100, 100);
    a.Show();
    a.Peer()->activateWindow();
    EXPECT_TRUE(test::RunEventsUntil([&] { return Application().Forms().front() == &a; }))
        << "activation by the desktop did not move it up";
}

// Notes, for each activation, whether the window losing it still existed,
// the first open form and how many active-form changes had been raised.
class ActivationProbe : public TWindowHook {
public:
    struct Seen {
        bool previousAlive;
        TForm* front;
        int changes;
    };
    explicit ActivationProbe(const int& changes) : changes_(changes) {
        Application().WindowHooks().Install(*this);
    }
    ~ActivationProbe() override { Application().WindowHooks().Remove(*this); }
    void WindowActivating(THandle, bool, THandle previous) override {
        seen.push_back({Application().FindWindow(previous) != nullptr,
                        Application().Forms().front(), changes_});
    }
    std::vector<Seen> seen;

private:
    const int& changes_;
};

TEST(Form, HooksSeeAnActivationFirstAndAReleasedFormWhole) {
    int changes = 0;
    const TEventToken counting = Application().OnActiveFormChange.Add([&](TObject*) { ++changes; });
    ActivationProbe probe(changes);
    auto* a = new TForm(nullptr);
    TForm b(nullptr);
    Application().FormActivated(*a);
    ASSERT_TRUE(test::RunEventsUntil([&] { return probe.seen.size() == 1; }));
    EXPECT_EQ(changes, 1);
    Application().FormActivated(b);
    EXPECT_EQ(Application().Forms().front(), a) << "moved up before the hooks saw it";
    EXPECT_EQ(changes, 1) << "active-form change before the hooks saw it";
    // A dialog closed by a key is released at once; the hooks see its
    // deactivation before it goes.
    a->Release();
    test::DeliverPosted();
    ASSERT_EQ(probe.seen.size(), 2u);
    EXPECT_TRUE(probe.seen[1].previousAlive);
    EXPECT_EQ(probe.seen[1].front, a);
    EXPECT_EQ(probe.seen[1].changes, 1);
    EXPECT_EQ(Application().Forms().front(), &b);
    EXPECT_EQ(changes, 2);
    Application().OnActiveFormChange.Remove(counting);
}

// Records who took activation from whom, and how.
class ActivationLog : public TWindowHook {
public:
    ActivationLog() { Application().WindowHooks().Install(*this); }
    ~ActivationLog() override { Application().WindowHooks().Remove(*this); }
    void WindowActivating(THandle window, bool byMouse, THandle previous) override {
        const TForm* lost = Application().FindWindow(previous);
        seen.push_back(std::to_string(window) + (byMouse ? " mouse " : " keys ") +
                       (previous == kNoWindow ? "none"
                        : lost                ? lost->Caption()
                                              : "gone"));
    }
    std::vector<std::string> seen;
};

// The window that lost activation is named across the moment with no
// active window between two of ours: a released dialog's close, a message
// box. Only a loss that nothing of ours follows is the player leaving.
TEST(Form, ActivationNamesTheWindowThatLostItAcrossADialogAndAMessageBox) {
    test::FakeServices fakes;
    ActivationLog log;
    int changes = 0;
    const TEventToken counting = Application().OnActiveFormChange.Add([&](TObject*) { ++changes; });
    TForm main(nullptr);
    main.SetCaption("main");
    auto* dialog = new TForm(nullptr);
    dialog->SetCaption("dialog");
    const std::string mainId = std::to_string(main.Handle());
    const std::string dialogId = std::to_string(dialog->Handle());
    const auto settle = [&](std::size_t count) {
        return test::RunEventsUntil([&] { return log.seen.size() == count; });
    };
    Application().FormActivated(main);
    ASSERT_TRUE(settle(1));
    Application().FormDeactivated(main);
    Application().FormActivated(*dialog);
    ASSERT_TRUE(settle(2));
    // Closed by a key: it loses activation, is released, and only then
    // does the main window get it back.
    Application().FormDeactivated(*dialog);
    dialog->Release();
    test::DeliverPosted();
    Application().FormActivated(main);
    test::DeliverPosted();
    ASSERT_TRUE(settle(3));
    EXPECT_EQ(Application().Forms().size(), 1u) << "the released dialog stayed";
    // A message box over the main window, then back, with a button held.
    Application().FormDeactivated(main);
    Application().OtherWindowActivated();
    ASSERT_TRUE(settle(4));
    Application().OtherWindowDeactivated();
    fakes.cursor.buttonHeld = true;
    Application().FormActivated(main);
    fakes.cursor.buttonHeld = false;
    ASSERT_TRUE(settle(5));
    EXPECT_EQ(Application().ActiveForm(), &main);
    const int changesBefore = changes;
    // To another program and back.
    Application().FormDeactivated(main);
    EXPECT_TRUE(test::RunEventsUntil([] { return Application().ActiveForm() == nullptr; }));
    EXPECT_EQ(changes, changesBefore + 1);
    Application().FormActivated(main);
    ASSERT_TRUE(settle(6));
    EXPECT_EQ(log.seen, (std::vector<std::string>{mainId + " keys none", dialogId + " keys main",
                                                  mainId + " keys dialog", "0 keys main",
                                                  mainId + " mouse none", mainId + " keys none"}));
    Application().OnActiveFormChange.Remove(counting);
}

// Tab and clicks move the focus; the form's active control follows it.
TEST(Form, TheActiveControlFollowsTheFocus) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    std::vector<TButton*> buttons;
    for (const int left : {10, 120}) {
        auto* button = new TButton(&form);
        button->SetParent(&form);
        button->SetBounds(left, 40, 75, 25);
        buttons.push_back(button);
    }
    form.SetActiveControl(buttons[0]);
    form.Show();
    form.Peer()->activateWindow();
    ASSERT_TRUE(test::RunEventsUntil([&] { return buttons[0]->Focused(); }));
    form.PostSelectNext(true);
    EXPECT_TRUE(test::RunEventsUntil([&] { return buttons[1]->Focused(); }));
    EXPECT_EQ(form.ActiveControl(), buttons[1]);
    buttons[0]->Peer()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(test::RunEventsUntil([&] { return form.ActiveControl() == buttons[0]; }));
}

} // namespace
} // namespace orv
