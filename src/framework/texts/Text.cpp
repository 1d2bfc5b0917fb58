// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/texts/Text.h"

#include <QCoreApplication>

namespace orv {

std::string Tr(const TText& text) {
    return QCoreApplication::translate(text.Context, text.Source).toStdString();
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '{' && i + 1 < pattern.size() && pattern[i + 1] == '{') {
            result += '{';
            ++i;
            continue;
        }
        const std::size_t close = c == '{' ? pattern.find('}', i) : std::string_view::npos;
        const std::string_view digits = close == std::string_view::npos
                                            ? std::string_view{}
                                            : pattern.substr(i + 1, close - i - 1);
        const bool numeric = !digits.empty() && digits.size() < 3 &&
                             digits.find_first_not_of("0123456789") == std::string_view::npos;
        const std::size_t index = numeric ? std::stoul(std::string(digits)) : args.size();
        if (index < args.size()) {
            result += args.begin()[index];
            i = close;
        } else {
            result += c;
        }
    }
    return result;
}

std::string Format(const TText& text, std::initializer_list<std::string_view> args) {
    return FormatText(Tr(text), args);
}

} // namespace orv
