// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace orv {

// Button and icon flags and answers of a message box, with the classic values.
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNO = 0x04,
    MB_ICONHAND = 0x10,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = MB_ICONASTERISK,
};

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// A modal message box. The real one shows a window; tests answer it.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

std::unique_ptr<IMessageBox> CreateQtMessageBox();

} // namespace orv
