// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv {

// One user-visible text: the context it is translated in and its Japanese
// source, which is also what is shown when no translation is loaded.
struct TText {
    const char* Context = "";
    const char* Source = "";
};

// Marks a table entry for the translation tools (lupdate knows it as an
// alias of its no-op translate marker) and builds the entry.
#define ORV_TEXT(context, source)                                                                  \
    ::orv::TText {                                                                                 \
        context, source                                                                            \
    }

// The text in the language loaded; the source itself when none is.
std::string Tr(const TText& text);

// Fills {0}, {1}, ... in a pattern with the arguments, so a translation may
// put them in its own order. A placeholder without an argument stays as it
// stands; "{{" gives one brace.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// Translates, then fills the placeholders.
std::string Format(const TText& text, std::initializer_list<std::string_view> args);

} // namespace orv
