// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Keys.h"

#include <Qt>

#include <cctype>

namespace orv {
namespace {

// Key codes of X11 and Wayland keyboards (the kernel's plus 8).
constexpr unsigned kCommaScanCode = 59;
constexpr unsigned kPeriodScanCode = 60;
constexpr unsigned kLessGreaterScanCode = 94;

int KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Period:
        return VK_DECIMAL;
    case Qt::Key_Comma:
        return VK_SEPARATOR;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return VK_RETURN;
    default:
        return 0;
    }
}

// "<" and ">" come from Shift with comma and period on most layouts, and
// from the key beside the left Shift on European keyboards.
int LessOrGreaterKey(int qtKey, const TKeyOrigin& origin) {
    if (origin.scanCode == kLessGreaterScanCode)
        return VK_OEM_102;
    if (origin.scanCode == kCommaScanCode)
        return VK_OEM_COMMA;
    if (origin.scanCode == kPeriodScanCode)
        return VK_OEM_PERIOD;
    if (!origin.shift)
        return VK_OEM_102;
    return qtKey == Qt::Key_Less ? VK_OEM_COMMA : VK_OEM_PERIOD;
}

} // namespace

bool IsAccel(int key, const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const auto next = static_cast<unsigned char>(caption[i + 1]);
        if (next == '&') {
            ++i;
            continue;
        }
        return std::toupper(next) == key;
    }
    return false;
}

int VirtualKeyFromQt(int qtKey, const TKeyOrigin& origin) {
    if (origin.keypad)
        return KeypadKey(qtKey);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Comma:
        return VK_OEM_COMMA;
    case Qt::Key_Period:
        return VK_OEM_PERIOD;
    case Qt::Key_Less:
    case Qt::Key_Greater:
        return LessOrGreaterKey(qtKey, origin);
    default:
        return 0;
    }
}

unsigned ShiftFromQt(int qtModifiers) {
    unsigned shift = ssNone;
    if (qtModifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (qtModifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (qtModifiers & Qt::AltModifier)
        shift |= ssAlt;
    return shift;
}

} // namespace orv
