// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace orv {
namespace {

bool IsChoice(const std::string& values, const std::string& value) {
    std::size_t start = 0;
    while (start <= values.size()) {
        const auto bar = values.find('|', start);
        const auto end = bar == std::string::npos ? values.size() : bar;
        if (values.compare(start, end - start, value) == 0 && !value.empty())
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

std::string TerminalLanguage(const std::function<const char*(const char*)>& environment) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    // language[_territory][.codeset][@modifier]; a codeset is compared as
    // the C library does, without case or punctuation.
    const auto dot = locale.find('.');
    std::string codeset;
    if (dot != std::string::npos)
        for (const char c : locale.substr(dot + 1, locale.find('@', dot) - dot - 1))
            if (std::isalnum(static_cast<unsigned char>(c)))
                codeset += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool japanese =
        locale.rfind("ja", 0) == 0 && (locale.size() == 2 || locale[2] == '_' || locale[2] == '.');
    return japanese && codeset == "utf8" ? "ja" : "en";
}

TCommandLine::TCommandLine(std::string program, std::string version, const std::string& language,
                           std::vector<TCommandLineOption> options)
    : program_(std::move(program)), version_(std::move(version)), texts_(language),
      options_(std::move(options)) {}

std::string TCommandLine::Say(const TText& text, std::string_view first, std::string_view second,
                              std::string_view third) const {
    return texts_.Format(text, {program_, first, second, third});
}

const TCommandLineOption* TCommandLine::FindLong(const std::string& name) const {
    for (const auto& option : options_)
        if (name == option.Name)
            return &option;
    return nullptr;
}

const TCommandLineOption* TCommandLine::FindShort(char name) const {
    for (const auto& option : options_)
        if (option.Short != 0 && option.Short == name)
            return &option;
    return nullptr;
}

bool TCommandLine::Fail(const TText& text, std::string_view first, std::string_view second,
                        std::string_view third) {
    error_ = Say(text, first, second, third);
    return false;
}

bool TCommandLine::Take(const TCommandLineOption& option, const std::string& shownName,
                        const std::string* inlineValue, const std::vector<std::string>& arguments,
                        std::size_t& next) {
    const std::string values = option.Values;
    if (values.empty()) {
        if (inlineValue)
            return Fail(GameTexts::NoArgumentAllowed, shownName);
        given_[option.Name];
        return true;
    }
    std::string value;
    if (inlineValue)
        value = *inlineValue;
    else if (next < arguments.size())
        value = arguments[next++];
    else
        return Fail(GameTexts::ArgumentRequired, shownName, values);
    if (!IsChoice(values, value) && !(option.AnyValue && !value.empty()))
        return Fail(GameTexts::InvalidArgument, value, shownName, values);
    given_[option.Name] = value;
    return true;
}

bool TCommandLine::Parse(const std::vector<std::string>& arguments) {
    given_.clear();
    error_.clear();
    std::size_t next = 0;
    while (next < arguments.size()) {
        const std::string argument = arguments[next++];
        if (argument.rfind("--", 0) == 0 && argument.size() > 2) {
            const auto equals = argument.find('=');
            const std::string name = argument.substr(2, equals - 2);
            const std::string value =
                equals == std::string::npos ? "" : argument.substr(equals + 1);
            const auto* option = FindLong(name);
            if (!option)
                return Fail(GameTexts::UnknownOption, "--" + name);
            if (!Take(*option, "--" + name, equals == std::string::npos ? nullptr : &value,
                      arguments, next))
                return false;
        } else if (argument == "--") {
            // The end of the options; the game takes no other arguments.
            if (next < arguments.size())
                return Fail(GameTexts::UnexpectedArgument, arguments[next]);
        } else if (argument.size() > 1 && argument[0] == '-') {
            const auto* option = argument.size() == 2 ? FindShort(argument[1]) : nullptr;
            if (!option)
                return Fail(GameTexts::InvalidOption, argument);
            if (!Take(*option, argument, nullptr, arguments, next))
                return false;
        } else {
            // The game takes no files or other words.
            return Fail(GameTexts::UnexpectedArgument, argument);
        }
    }
    return true;
}

std::string TCommandLine::Value(const std::string& name) const {
    const auto found = given_.find(name);
    return found == given_.end() ? std::string() : found->second;
}

std::string TCommandLine::Usage() const {
    std::string text = Say(GameTexts::Usage) + "\n" + Say(GameTexts::Summary) + "\n\n";
    for (const auto& option : options_) {
        std::string names = option.Short ? std::string("  -") + option.Short + ", " : "      ";
        names += std::string("--") + option.Name;
        if (*option.Values)
            names += std::string("=") + option.Values;
        names.resize(std::max<std::size_t>(names.size() + 2, 24), ' ');
        text += names + texts_.Tr(option.Help) + "\n";
    }
    return text;
}

std::string TCommandLine::VersionText() const {
    return program_ + " " + version_ + "\n";
}

TStartDecision DecideStart(TCommandLine& commandLine, const std::vector<std::string>& arguments,
                           bool hasGraphicalSession) {
    if (!commandLine.Parse(arguments))
        return {false, 2, "", commandLine.Error() + "\n" + commandLine.Usage()};
    if (commandLine.Has("help"))
        return {false, 0, commandLine.Usage(), ""};
    if (commandLine.Has("version"))
        return {false, 0, commandLine.VersionText(), ""};
    if (!hasGraphicalSession)
        return {false, 1, "", commandLine.Say(GameTexts::NoDisplay) + "\n"};
    return {true, 0, "", ""};
}

} // namespace orv
