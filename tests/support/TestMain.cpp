// Every unit test runs against one real application object on Qt's
// offscreen platform, with message boxes and sound replaced by fakes.

#include "Fakes.h"
#include "framework/Application.h"

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
    Application().SetMessageBoxService(std::make_unique<FakeMessageBox>());
    Application().SetSoundService(std::make_unique<FakeSound>());
    Application().SetShell(std::make_unique<FakeShell>());
    Application().SetCursorService(std::make_unique<FakeCursor>());
    Application().SetSleeper(std::make_unique<FakeSleeper>());
    Application().SetControllerService(std::make_unique<FakeControllers>());
}

} // namespace orv::test

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    orv::TApplication app(argc, argv);
    app.SetTitle("ORBIT RAVEN");
    // No test ever shows a real box, plays through the speakers, moves the
    // cursor, sleeps or opens a game controller.
    app.SetMessageBoxService(std::make_unique<orv::test::FakeMessageBox>());
    app.SetSoundService(std::make_unique<orv::test::FakeSound>());
    app.SetShell(std::make_unique<orv::test::FakeShell>());
    app.SetCursorService(std::make_unique<orv::test::FakeCursor>());
    app.SetSleeper(std::make_unique<orv::test::FakeSleeper>());
    app.SetControllerService(std::make_unique<orv::test::FakeControllers>());
    return RUN_ALL_TESTS();
}
