// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace orv {

// Opens a document with the desktop's default program for it.
class IShell {
public:
    virtual ~IShell() = default;
    // Returns at once: false when the document is missing or no program to
    // open it could be started; whether that program then shows it is not
    // reported.
    virtual bool Open(const std::string& path) = 0;
};

std::unique_ptr<IShell> CreateQtShell();

} // namespace orv
