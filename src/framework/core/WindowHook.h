// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// A window of the program, known by a number that stays the same for the
// window's whole life and is never reused while the program runs. 0 is no
// window.
using THandle = std::uint32_t;
constexpr THandle kNoWindow = 0;

// What a window is about to be created with. A hook may change the
// rectangle; the window then appears there.
struct TCreateParams {
    THandle Owner = kNoWindow;
    std::string Caption;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A watcher of the program's top-level windows. Every event is raised on the
// window thread, before the window shows the change where the platform
// allows it, else right after. Rectangles are in screen pixels, right and
// bottom exclusive.
class TWindowHook {
public:
    TWindowHook() = default;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    virtual ~TWindowHook() = default;

    virtual void WindowCreating(THandle /*window*/, TCreateParams& /*params*/) {}
    virtual void WindowDestroying(THandle /*window*/) {}
    virtual void WindowMovingSizing(THandle /*window*/, const TRect& /*rect*/) {}
    // byMouse: a button press on the window caused it. previous: the window
    // losing activation, or kNoWindow.
    virtual void WindowActivating(THandle /*window*/, bool /*byMouse*/, THandle /*previous*/) {}
};

// The chain of installed hooks. Each event goes to every hook, the one
// installed last first; a hook removed while an event runs gets no more of it.
class TWindowHookChain {
public:
    void Install(TWindowHook& hook);
    void Remove(TWindowHook& hook);
    bool Empty() const;

    void RaiseCreating(THandle window, TCreateParams& params);
    void RaiseDestroying(THandle window);
    void RaiseMovingSizing(THandle window, const TRect& rect);
    void RaiseActivating(THandle window, bool byMouse, THandle previous);

private:
    template <typename Call> void Raise(Call call);

    std::vector<TWindowHook*> hooks_;
};

} // namespace orv
