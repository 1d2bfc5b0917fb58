// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CommandLine.h"
#include "framework/app/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace orv {
namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(CommandLine, DecidesWhatTheProgramDoes) {
    struct Case {
        std::vector<std::string> Arguments;
        bool Display;
        bool StartGame;
        int Status;
        std::string OutFirstLine;
        std::string ErrFirstLine;
    };
    const std::string usage = "Usage: orbit-raven [OPTION]...";
    const std::string noDisplay =
        "orbit-raven: no display found; the game needs a graphical session (X11 or Wayland)";
    const Case cases[] = {
        {{}, true, true, 0, "", ""},
        {{}, false, false, 1, "", noDisplay},
        {{"--help"}, false, false, 0, usage, ""},
        {{"-h"}, true, false, 0, usage, ""},
        {{"--version"}, false, false, 0, "orbit-raven 1.10", ""},
        {{"-V"}, true, false, 0, "orbit-raven 1.10", ""},
        {{"--help", "--version"}, true, false, 0, usage, ""},
        {{"--bogus"}, false, false, 2, "", "orbit-raven: unrecognized option '--bogus'"},
        {{"--help", "--bogus"}, true, false, 2, "", "orbit-raven: unrecognized option '--bogus'"},
        {{"-x"}, true, false, 2, "", "orbit-raven: invalid option '-x'"},
        {{"-hV"}, true, false, 2, "", "orbit-raven: invalid option '-hV'"},
        {{"--"}, true, true, 0, "", ""},
        {{"--", "--help"}, true, false, 2, "", "orbit-raven: unexpected argument '--help'"},
        {{"Manual.txt"}, true, false, 2, "", "orbit-raven: unexpected argument 'Manual.txt'"},
        {{"--lang", "en"}, true, true, 0, "", ""},
        {{"--lang=xx"}, true, true, 0, "", ""},
        {{"--lang"},
         true,
         false,
         2,
         "",
         "orbit-raven: option '--lang' requires an argument (ja|en)"},
        {{"--version=2"},
         true,
         false,
         2,
         "",
         "orbit-raven: option '--version' doesn't allow an argument"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        TCommandLine commandLine("orbit-raven", "1.10", "en");
        const auto start = DecideStart(commandLine, c.Arguments, c.Display);
        EXPECT_EQ(start.StartGame, c.StartGame);
        EXPECT_EQ(start.ExitStatus, c.Status);
        EXPECT_EQ(FirstLine(start.Out), c.OutFirstLine);
        EXPECT_EQ(FirstLine(start.Err), c.ErrFirstLine);
        // A mistake is one line, then the usage.
        if (c.Status == 2) {
            EXPECT_EQ(start.Err.substr(start.Err.find('\n') + 1), commandLine.Usage());
        }
    }
}

TEST(CommandLine, UsageListsEveryOptionAndValuesAreChecked) {
    // The program's own --lang takes any value; this one checks its choices.
    std::vector<TCommandLineOption> options = {kCommandLineOptions[0], kCommandLineOptions[1]};
    options.push_back({"lang", 0, "en|ja", kCommandLineOptions[2].Help});
    TCommandLine commandLine("orbit-raven", "1.10", "en", options);
    const auto usage = commandLine.Usage();
    EXPECT_NE(usage.find("  -h, --help"), std::string::npos) << usage;
    EXPECT_NE(usage.find("  -V, --version"), std::string::npos) << usage;
    EXPECT_NE(usage.find("      --lang=en|ja"), std::string::npos) << usage;

    const std::map<std::vector<std::string>, std::string> accepted = {
        {{"--lang", "ja"}, "ja"}, {{"--lang=en"}, "en"}, {{}, ""}};
    for (const auto& [arguments, value] : accepted) {
        ASSERT_TRUE(commandLine.Parse(arguments)) << commandLine.Error();
        EXPECT_EQ(commandLine.Value("lang"), value);
        EXPECT_EQ(commandLine.Has("lang"), !value.empty());
    }
    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--lang"}, {"--lang", "fr"}, {"--lang="}, {"--lang", "e"}, {"--lang=en|ja"}}) {
        EXPECT_FALSE(commandLine.Parse(wrong)) << testing::PrintToString(wrong);
        EXPECT_EQ(commandLine.Error().find('\n'), std::string::npos);
    }
}

// The terminal's locale decides, as the C library would, and Japanese needs a
// terminal that shows UTF-8.
TEST(CommandLine, SpeaksTheTerminalsLanguage) {
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases = {
        {{}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        {{{"LANG", "ja_JP.utf8"}}, "ja"},
        {{{"LANG", "ja.UTF-8@modifier"}}, "ja"},
        {{{"LANG", "ja_JP.eucJP"}}, "en"},
        {{{"LANG", "ja_JP"}}, "en"},
        {{{"LANG", "jam_JM.UTF-8"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, "ja"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LC_ALL", "C"}}, "en"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LC_ALL", ""}}, "ja"},
    };
    for (const auto& [variables, expected] : cases) {
        const auto lookup = [&variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(TerminalLanguage(lookup), expected) << testing::PrintToString(variables);
    }
}

// In Japanese every line the terminal gets is the catalogue's source; the
// English is what the package test expects word for word.
TEST(CommandLine, TellsItsUsageAndMistakesInJapaneseOrEnglish) {
    const std::vector<std::string> mistakes[] = {
        {"--bogus"}, {"-x"}, {"--lang"}, {"--help=1"}, {"--title-bar=none"}, {"extra"}};
    for (const std::string language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        TCommandLine commandLine("orbit-raven", "1.10", language);
        const bool japanese = language == "ja";
        const std::string usage = commandLine.Usage();
        EXPECT_EQ(FirstLine(usage), japanese ? "使い方: orbit-raven [オプション]..."
                                             : "Usage: orbit-raven [OPTION]...");
        for (const auto& option : kCommandLineOptions)
            EXPECT_NE(usage.find(japanese ? option.Help.Source : "--" + std::string(option.Name)),
                      std::string::npos)
                << option.Name;
        for (const auto& arguments : mistakes) {
            const auto start = DecideStart(commandLine, arguments, true);
            EXPECT_EQ(start.ExitStatus, 2);
            EXPECT_EQ(FirstLine(start.Err).rfind("orbit-raven: ", 0), 0u) << start.Err;
            // Japanese lines are all wide characters past the program's name.
            const bool hasJapanese = std::any_of(start.Err.begin(), start.Err.end(),
                                                 [](char c) { return (c & 0x80) != 0; });
            EXPECT_EQ(hasJapanese, japanese) << start.Err;
        }
        EXPECT_EQ(DecideStart(commandLine, {}, false).Err,
                  japanese
                      ? std::string(GameTexts::NoDisplay.Source).replace(0, 3, "orbit-raven") + "\n"
                      : "orbit-raven: no display found; the game needs a graphical session "
                        "(X11 or Wayland)\n");
        EXPECT_EQ(commandLine.Say(GameTexts::UnknownLanguage, "fr"),
                  japanese ? "orbit-raven: 言語 'fr' の表示はありません。日本語で表示します"
                           : "orbit-raven: language 'fr' is not available; showing Japanese");
    }
}

TEST(CommandLine, GraphicalSessionFromTheEnvironment) {
    const std::vector<std::pair<std::map<std::string, std::string>, bool>> cases = {
        {{}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
    };
    for (const auto& [variables, expected] : cases) {
        const auto lookup = [&variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(TApplication::HasGraphicalSession(lookup), expected)
            << testing::PrintToString(variables);
    }
}

} // namespace
} // namespace orv
