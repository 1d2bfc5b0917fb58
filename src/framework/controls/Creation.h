// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"
#include "framework/core/Types.h"

#include <string>
#include <type_traits>
#include <utility>

namespace orv {

// A new component owned by owner, which destroys it. The owner's list keeps
// the creation order, which the window manager and the settings forms walk,
// so a form creates its components in the order it stores them.
template <class T> T* CreateComponent(TComponent& owner, const std::string& name) {
    auto* component = new T(&owner);
    component->SetName(name);
    return component;
}

// A new control, named, put into parent and placed, before any other of its
// properties is set.
template <class T>
T* CreateControl(TComponent& owner, TWinControl& parent, const std::string& name,
                 const TBounds& bounds) {
    T* control = CreateComponent<T>(owner, name);
    control->SetParent(&parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    return control;
}

// A handler that calls method on object, for any of the event types: the
// object must outlive the control it is given to, as a form outlives its
// controls.
template <class Object, class... Args>
auto Bind(void (Object::*method)(Args...), std::type_identity_t<Object>* object) {
    return [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
}

} // namespace orv
