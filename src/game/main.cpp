// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Main.h"
#include "CommandLine.h"
#include "GameTexts.h"
#include "framework/app/Application.h"
#include "framework/texts/Language.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Before the application object: without a display it would abort
    // instead of saying so.
    // What it prints there is in the terminal's language, whatever the
    // windows are shown in.
    orv::TCommandLine commandLine("orbit-raven", orv::TMainForm::kVersion,
                                  orv::TerminalLanguage(std::getenv));
    const auto start = orv::DecideStart(commandLine, {argv + 1, argv + argc},
                                        orv::TApplication::HasGraphicalSession(std::getenv));
    std::fputs(start.Out.c_str(), stdout);
    std::fputs(start.Err.c_str(), stderr);
    if (!start.StartGame)
        return start.ExitStatus;

    orv::TApplication application(argc, argv);
    // Before any form exists, so every text is shown in the language chosen.
    const std::string language = commandLine.Value("lang");
    if (!application.Language().Load(language.empty() ? orv::TLanguage::kSource : language))
        std::fputs((commandLine.Say(orv::GameTexts::UnknownLanguage, language) + "\n").c_str(),
                   stderr);
    if (commandLine.Has("title-bar"))
        application.SetOwnTitleBars(commandLine.Value("title-bar") == "own");
    application.SetTitle(orv::TMainForm::kProgramName);
    application.SetIcon("MAINICON");
    application.SetDesktopEntry("orbit-raven");
    return application.Execute([&application] {
        // Owned by the application, so it is destroyed when the loop has ended.
        auto* mainForm = new orv::TMainForm(&application);
        mainForm->Show();
    });
}
