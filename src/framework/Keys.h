#pragma once

#include <cstdint>

namespace orv {

// Virtual-key codes as the handlers know them.
enum : int {
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_F1 = 112,
    VK_OEM_COMMA = 188,
    VK_OEM_PERIOD = 190,
};

// Shift state of a key event.
enum TShiftState : std::uint8_t { ssNone = 0, ssShift = 1, ssCtrl = 2, ssAlt = 4 };

// A menu shortcut: key code plus 16384 for Ctrl (and 8192 for Shift, 32768
// for Alt).
constexpr int ShortCut(int key, unsigned shift) {
    return key | ((shift & ssShift) ? 0x2000 : 0) | ((shift & ssCtrl) ? 0x4000 : 0) |
           ((shift & ssAlt) ? 0x8000 : 0);
}

// Maps a Qt key code onto a virtual-key code; 0 for keys without one.
int VirtualKeyFromQt(int qtKey);
// The shift state of Qt keyboard modifiers.
unsigned ShiftFromQt(int qtModifiers);

} // namespace orv
