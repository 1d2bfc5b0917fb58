#include "PlayerInput.h"

#include "framework/Keys.h"

#include <cstddef>

namespace orv {
namespace {

template <class Input> struct Binding {
    Input input;
    TGameCommand down;
    TGameCommand up;
};

constexpr Binding<int> kKeys[] = {
    {'Z', gcFireOn, gcFireOff}, {VK_OEM_PERIOD, gcFireOn, gcFireOff},
    {'X', gcTurn, gcNone},      {VK_OEM_COMMA, gcTurn, gcNone},
    {'G', gcGiveUp, gcNone},
};

constexpr Binding<TControllerButton> kButtons[] = {
    {cbSouth, gcFireOn, gcFireOff}, {cbRightTrigger, gcFireOn, gcFireOff},
    {cbEast, gcTurn, gcNone},       {cbStart, gcStartPauseResume, gcNone},
    {cbBack, gcGiveUp, gcNone},
};

template <class Input, std::size_t N>
TGameCommand Find(const Binding<Input> (&bindings)[N], Input input, bool down) {
    for (const Binding<Input>& binding : bindings)
        if (binding.input == input)
            return down ? binding.down : binding.up;
    return gcNone;
}

} // namespace

TGameCommand KeyCommand(int key, bool down) {
    return Find(kKeys, key, down);
}

TGameCommand ButtonCommand(TControllerButton button, bool down) {
    return Find(kButtons, button, down);
}

} // namespace orv
