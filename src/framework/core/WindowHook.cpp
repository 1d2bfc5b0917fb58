// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/core/WindowHook.h"

#include <algorithm>

namespace orv {

void TWindowHookChain::Install(TWindowHook& hook) {
    hooks_.push_back(&hook);
}

void TWindowHookChain::Remove(TWindowHook& hook) {
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), &hook), hooks_.end());
}

bool TWindowHookChain::Empty() const {
    return hooks_.empty();
}

// A handler may install or remove hooks (a window it opens, a component it
// destroys): walk a copy, and skip what has left the chain meanwhile.
template <typename Call> void TWindowHookChain::Raise(Call call) {
    const std::vector<TWindowHook*> snapshot = hooks_;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (std::find(hooks_.begin(), hooks_.end(), *it) != hooks_.end())
            call(**it);
}

void TWindowHookChain::RaiseCreating(THandle window, TCreateParams& params) {
    Raise([&](TWindowHook& hook) { hook.WindowCreating(window, params); });
}

void TWindowHookChain::RaiseDestroying(THandle window) {
    Raise([&](TWindowHook& hook) { hook.WindowDestroying(window); });
}

void TWindowHookChain::RaiseMovingSizing(THandle window, const TRect& rect) {
    Raise([&](TWindowHook& hook) { hook.WindowMovingSizing(window, rect); });
}

void TWindowHookChain::RaiseActivating(THandle window, bool byMouse, THandle previous) {
    Raise([&](TWindowHook& hook) { hook.WindowActivating(window, byMouse, previous); });
}

} // namespace orv
