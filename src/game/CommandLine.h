// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameTexts.h"
#include "framework/texts/Catalogue.h"

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The program's command line, read before the application object exists, so
// that --help and --version work in a terminal without a display.
struct TCommandLineOption {
    const char* Name = "";   // long name, without the leading "--"
    char Short = 0;          // one-letter name, or 0
    const char* Values = ""; // a value's choices, "a|b"; empty for a switch
    TText Help;              // one line for --help
    bool AnyValue = false;   // also takes values beyond the choices named
};

// Every option the program takes. Adding one is one line here; the program
// asks TCommandLine::Value or Has for it by its long name.
inline constexpr TCommandLineOption kCommandLineOptions[] = {
    {"help", 'h', "", GameTexts::HelpOption},
    {"version", 'V', "", GameTexts::VersionOption},
    // An unknown language is not a mistake: the program says so and shows Japanese.
    {"lang", 0, "ja|en", GameTexts::LangOption, true},
    {"title-bar", 0, "own|desktop", GameTexts::TitleBarOption},
};

// The language of what the program prints in a terminal, from the locale
// as the C library reads it (LC_ALL, else LC_MESSAGES, else LANG): "ja"
// for Japanese in UTF-8, "en" for anything else.
std::string TerminalLanguage(const std::function<const char*(const char*)>& environment);

class TCommandLine {
public:
    // Its usage and mistakes are told in the language given ("en", "ja").
    TCommandLine(std::string program, std::string version, const std::string& language,
                 std::vector<TCommandLineOption> options = {std::begin(kCommandLineOptions),
                                                            std::end(kCommandLineOptions)});

    // Reads the arguments after the program's name. False on a mistake,
    // with Error() saying which in one line.
    bool Parse(const std::vector<std::string>& arguments);
    const std::string& Error() const { return error_; }

    bool Has(const std::string& name) const { return given_.count(name) != 0; }
    // The value given to an option that takes one; empty if it was not given.
    std::string Value(const std::string& name) const;

    const std::string& Program() const { return program_; }
    std::string Usage() const;
    std::string VersionText() const;
    // A line for the terminal in the command line's language: {0} is the
    // program's name, {1} to {3} the words given.
    std::string Say(const TText& text, std::string_view first = {}, std::string_view second = {},
                    std::string_view third = {}) const;

private:
    const TCommandLineOption* FindLong(const std::string& name) const;
    const TCommandLineOption* FindShort(char name) const;
    bool Take(const TCommandLineOption& option, const std::string& shownName,
              const std::string* inlineValue, const std::vector<std::string>& arguments,
              std::size_t& next);
    bool Fail(const TText& text, std::string_view first, std::string_view second = {},
              std::string_view third = {});

    std::string program_;
    std::string version_;
    TCatalogue texts_;
    std::vector<TCommandLineOption> options_;
    std::map<std::string, std::string> given_;
    std::string error_;
};

// What the start of the program does before the game: the exit status and
// the texts for standard output and standard error, or carry on.
struct TStartDecision {
    bool StartGame = false;
    int ExitStatus = 0;
    std::string Out;
    std::string Err;
};

TStartDecision DecideStart(TCommandLine& commandLine, const std::vector<std::string>& arguments,
                           bool hasGraphicalSession);

} // namespace orv
