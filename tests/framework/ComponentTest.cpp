#include "framework/Component.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <gtest/gtest.h>

#include <QTest>

#include "EventLoop.h"

#include <string>
#include <vector>

namespace orv {
namespace {

// Logs its own loading and destruction into a shared journal.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), log_(log) {
        SetName(std::move(name));
    }
    ~Probe() override { log_.push_back("~" + Name()); }
    void Loaded() override {
        TComponent::Loaded();
        log_.push_back("loaded " + Name());
    }

private:
    std::vector<std::string>& log_;
};

class ProbeForm : public TForm {
public:
    explicit ProbeForm(std::vector<std::string>& log) : TForm(nullptr), log_(log) {
        new Probe(this, "a", log);
        new Probe(this, "b", log);
        new Probe(this, "c", log);
    }
    ~ProbeForm() override { log_.push_back("~form body"); }
    void Loaded() override {
        TForm::Loaded();
        log_.push_back("loaded form");
    }

private:
    std::vector<std::string>& log_;
};

TEST(Component, FormLoadsItselfFirstThenComponentsInCreationOrder) {
    std::vector<std::string> log;
    ProbeForm form(log);
    form.FinishLoading();
    EXPECT_EQ(log, (std::vector<std::string>{"loaded form", "loaded a", "loaded b", "loaded c"}));
}

TEST(Component, FormBodyRunsBeforeComponentsDieLastToFirst) {
    std::vector<std::string> log;
    { ProbeForm form(log); }
    EXPECT_EQ(log, (std::vector<std::string>{"~form body", "~c", "~b", "~a"}));
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
    Application().OnActiveFormChange = [&](TObject*) { ++changes; };
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
    Application().OnActiveFormChange = nullptr;
}

} // namespace
} // namespace orv
