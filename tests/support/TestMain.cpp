// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every unit test runs against one real application object on Qt's
// offscreen platform, with message boxes and sound replaced by fakes.

#include "Fakes.h"
#include "framework/app/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orv::test {

namespace {
template <typename Fake, typename Base>
Fake& InstallFake(void (TApplication::*install)(std::unique_ptr<Base>)) {
    auto fake = std::make_unique<Fake>();
    Fake& installed = *fake;
    (Application().*install)(std::move(fake));
    return installed;
}

// No test ever shows a real box, plays through the speakers, moves the
// cursor, sleeps or opens a game controller.
void InstallIdleFakes(TApplication& app) {
    app.SetMessageBoxService(std::make_unique<FakeMessageBox>());
    app.SetSoundService(std::make_unique<FakeSound>());
    app.SetShell(std::make_unique<FakeShell>());
    app.SetCursorService(std::make_unique<FakeCursor>());
    app.SetSleeper(std::make_unique<FakeSleeper>());
    app.SetControllerService(std::make_unique<FakeControllers>());
}
} // namespace

FakeServices::FakeServices()
    : messageBox(InstallFake<FakeMessageBox>(&TApplication::SetMessageBoxService)),
      sound(InstallFake<FakeSound>(&TApplication::SetSoundService)),
      shell(InstallFake<FakeShell>(&TApplication::SetShell)),
      cursor(InstallFake<FakeCursor>(&TApplication::SetCursorService)),
      sleeper(InstallFake<FakeSleeper>(&TApplication::SetSleeper)),
      controllers(InstallFake<FakeControllers>(&TApplication::SetControllerService)) {
    sleeper.cursor = &cursor;
}

FakeServices::~FakeServices() {
    InstallIdleFakes(Application());
}

} // namespace orv::test

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    orv::TApplication app(argc, argv);
    app.SetTitle("ORBIT RAVEN");
    orv::test::InstallIdleFakes(app);
    return RUN_ALL_TESTS();
}
