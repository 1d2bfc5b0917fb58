#include "framework/Component.h"
#include "framework/Application.h"
#include "framework/Forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace orv {
namespace {

class ProbeForm;

// Logs its own loading and destruction into a shared journal; on its way out
// it asks its form what it is, as an event handler bound to the form would.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name, std::vector<std::string>& log);
    ~Probe() override;
    void Loaded() override {
        TComponent::Loaded();
        log_.push_back("loaded " + Name());
    }

private:
    ProbeForm* form_;
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

Probe::Probe(TComponent* owner, std::string name, std::vector<std::string>& log)
    : TComponent(owner), form_(dynamic_cast<ProbeForm*>(owner)), log_(log) {
    SetName(std::move(name));
}

Probe::~Probe() {
    // typeid reads the object's class as it stands at this moment.
    const TComponent* form = form_;
    const bool whole = form && typeid(*form) == typeid(ProbeForm);
    log_.push_back("~" + Name() + (whole ? " in probe form" : form ? " in a torn form" : ""));
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
    const std::vector<std::string> expected{"form body", "~c in probe form", "~b in probe form",
                                            "~a in probe form"};
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

} // namespace
} // namespace orv
