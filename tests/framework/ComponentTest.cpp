#include "framework/Component.h"
#include "framework/Application.h"
#include "framework/Forms.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace orv
