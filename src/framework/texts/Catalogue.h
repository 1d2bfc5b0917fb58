// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/texts/Text.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class QTranslator;

namespace orv {

// One language's texts, read from the program's catalogue without the
// application object: what the program prints in a terminal is chosen apart
// from the language of its windows, and before they exist. Japanese, the
// texts' own language, needs no catalogue; neither does a language without
// one, which shows the sources.
class TCatalogue {
public:
    explicit TCatalogue(const std::string& code);
    ~TCatalogue();
    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;

    bool Loaded() const { return translator_ != nullptr; }
    // The text in this language; its source where the catalogue lacks it.
    std::string Tr(const TText& text) const;
    std::string Format(const TText& text, std::initializer_list<std::string_view> args) const;

    // For the framework, which installs it as the application's.
    QTranslator* Translator() const { return translator_.get(); }

private:
    std::unique_ptr<QTranslator> translator_;
};

} // namespace orv
