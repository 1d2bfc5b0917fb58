// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

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
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SEPARATOR = 108,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_OEM_COMMA = 188,
    VK_OEM_PERIOD = 190,
    VK_OEM_102 = 226,
};

// Shift state of a key event.
enum TShiftState : std::uint8_t { ssNone = 0, ssShift = 1, ssCtrl = 2, ssAlt = 4 };

// A menu shortcut: key code plus 16384 for Ctrl (and 8192 for Shift, 32768
// for Alt).
constexpr int ShortCut(int key, unsigned shift) {
    return key | ((shift & ssShift) ? 0x2000 : 0) | ((shift & ssCtrl) ? 0x4000 : 0) |
           ((shift & ssAlt) ? 0x8000 : 0);
}

// Which physical key produced a Qt key code, as far as the platform says.
struct TKeyOrigin {
    bool keypad = false;
    bool shift = false;
    // The X11 or Wayland key code; 0 where the platform gives none.
    unsigned scanCode = 0;
};

// Maps a Qt key code onto a virtual-key code; 0 for keys without one. Codes
// name keys, not characters: the keypad's keys have their own codes, and the
// extra key of European keyboards ("<>") is not the comma or period key.
int VirtualKeyFromQt(int qtKey, const TKeyOrigin& origin = {});

// Whether a caption underlines the letter or digit of this key code ("&Y";
// "&&" is a plain ampersand).
bool IsAccel(int key, const std::string& caption);
// The shift state of Qt keyboard modifiers.
unsigned ShiftFromQt(int qtModifiers);

} // namespace orv
