// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fakes.h"
#include "components/media/ImageBox.h"
#include "components/media/WavePlay.h"
#include "components/settings/AutoIni.h"
#include "framework/app/Application.h"
#include "game/Main.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

namespace orv::test {

// A main window in a program folder of its own, with fake services.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        savedHints_ = {Application().ShowHint(), Application().HintPause(),
                       Application().HintHidePause()};
        savedExe_ = Application().ExeName();
        Application().SetExeName(Dir() + "orbit-raven");
    }
    void TearDown() override {
        form.reset();
        Application().SetExeName(savedExe_);
        Application().CancelTerminate();
        // The system settings change the application's hints.
        Application().SetShowHint(savedHints_.show);
        Application().SetHintPause(savedHints_.pause);
        Application().SetHintHidePause(savedHints_.hidePause);
    }

    std::string Dir() const { return dir_.path().toStdString() + "/"; }
    std::string IniPath() const { return Dir() + "orbit-raven.INI"; }
    void WriteIni(const std::string& text) {
        QFile file(QString::fromStdString(IniPath()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qsizetype>(text.size()));
    }
    std::string ReadIni() const {
        QFile file(QString::fromStdString(IniPath()));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }
    void Open() {
        form = std::make_unique<TMainForm>(nullptr);
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Peer()));
    }
    QImage Field() const { return form->GameImageBox->Peer()->grab().toImage(); }
    void Key(int qtKey, bool press, bool autoRepeat = false) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier,
                        QString(), autoRepeat);
        QCoreApplication::sendEvent(form->Peer(), &event);
    }

    FakeServices fakes;
    std::unique_ptr<TMainForm> form;

private:
    QTemporaryDir dir_;
    std::string savedExe_;
    struct {
        bool show;
        int pause, hidePause;
    } savedHints_{};
};

} // namespace orv::test
