// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Component.h"

#include "framework/app/Application.h"

#include <algorithm>

namespace orv {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_)
        owner_->Remove(this);
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t) {
    if (!component)
        return;
    // A failed last step is shown; the component still goes.
    RunShowingFailure([component] { component->BeforeDestruction(); });
    component->DestroyComponents();
    void* storage = dynamic_cast<void*>(component); // the whole object's start
    component->~TComponent();                       // virtual: the most-derived destructor first
    ::operator delete(storage);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last; // the owner's list is the one place that owns components
    }
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
}

void TComponent::Remove(TComponent* component) {
    const auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
}

} // namespace orv
