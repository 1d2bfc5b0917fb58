// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <new>
#include <string>
#include <vector>

namespace orv {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// An event handler with the sender as its only argument.
using TNotifyEvent = std::function<void(TObject* sender)>;

// A component with an owner. The owner keeps its components in creation
// order and destroys them last-to-first when it goes; a component that is
// destroyed earlier leaves its owner's list by itself.
//
// A component on the heap ends its life in two steps whenever it is deleted
// (by its owner, a smart pointer or a plain delete): first its own
// BeforeDestruction, then its components last-to-first, both while it is
// still of its most-derived class, so the handlers it gave its components
// can run to the end; only then do the destructors run.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    static void operator delete(TComponent* component, std::destroying_delete_t);

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    // Runs once all stored properties of the owning form have been set.
    virtual void Loaded() { loaded_ = true; }
    bool IsLoaded() const { return loaded_; }
    // Runs once the owning form and all its components have run Loaded.
    virtual void FormLoaded() {}

protected:
    // The component's own last step before its components go: where a form
    // stores what it keeps and lets go of what its handlers use.
    virtual void BeforeDestruction() {}

    // Destroys the owned components last-to-first. Containers call it early in
    // their destructor so that their children go before their own window.
    void DestroyComponents();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
    bool loaded_ = false;
};

} // namespace orv
