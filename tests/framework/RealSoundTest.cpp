// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the laser through the real sound service into a private PulseAudio
// server with a null sink, records the sink's monitor, and checks that the
// sound was heard and that Stop silences it. Skips (exit 77) where
// pulseaudio or parec is not installed.

#include "framework/app/Application.h"
#include "framework/core/Wave.h"
#include "framework/files/Resources.h"
#include "support/AudioServer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace orv {

test::AudioServer* audioServer = nullptr;

void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

namespace {

TSoundImage Resource(const char* name) {
    return std::make_shared<const std::vector<std::uint8_t>>(
        LoadResourceData(TResourceType::rtRCData, name));
}

// The audible part of a wave's own samples, as the recorder measures it.
double AudibleMsOf(const TSoundImage& image) {
    const auto info = ParseWave(*image);
    return test::AudibleMs(
        QByteArray(reinterpret_cast<const char*>(image->data()) + info->DataOffset,
                   static_cast<qsizetype>(info->DataSize)));
}

// A recorder whose stream has connected, so the sink plays in its small
// steps before anything is played.
struct Listening {
    Listening() { Pump(300); }
    test::Recorder recorder{*audioServer};
};

// Streams the audio server holds open for this program.
int OpenStreams() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(5000);
    return static_cast<int>(pactl.readAllStandardOutput().count('\n'));
}

// What `pactl list LIST` says, one property per line.
QString PactlList(const char* list) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QString::fromLatin1(list)});
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

// Connected from the start, so the first sound is not late, with no output
// open; a volume mixer shows the program's name and icon, and the sound's.
TEST(RealSound, TheProgramIsConnectedFromTheStartAndNamed) {
    Pump(300);
    EXPECT_EQ(OpenStreams(), 0);
    const QString clients = PactlList("clients");
    EXPECT_TRUE(clients.contains(QStringLiteral("application.name = \"ORBIT RAVEN\"")))
        << clients.toStdString();
    EXPECT_TRUE(clients.contains(QStringLiteral("application.icon_name = \"orbit-raven\"")))
        << clients.toStdString();
    Application().Sound().Play(Resource("SND_LASER"), false, "Laser");
    Pump(100);
    const QString streams = PactlList("sink-inputs");
    EXPECT_TRUE(streams.contains(QStringLiteral("application.name = \"ORBIT RAVEN\"")))
        << streams.toStdString();
    EXPECT_TRUE(streams.contains(QStringLiteral("media.name = \"Laser\"")))
        << streams.toStdString();
    Application().Sound().Stop();
}

// Only a new sound or Stop may cut a sound: each is heard to its end.
TEST(RealSound, EverySoundIsHeardWhole) {
    for (const char* name : {"SND_LASER", "SND_ENEMY_EXPLODE", "SND_MYSHIP_EXPLODE"}) {
        const TSoundImage sound = Resource(name);
        Listening listening;
        Application().Sound().Play(sound, false, name);
        Pump(static_cast<int>(ParseWave(*sound)->DurationMs()) + 1500);
        const double heard = test::AudibleMs(listening.recorder.Stop());
        EXPECT_GE(heard, 0.95 * AudibleMsOf(sound)) << name;
    }
}

TEST(RealSound, SynchronousPlayReturnsWhenTheWholeSoundHasPlayed) {
    const TSoundImage laser = Resource("SND_LASER");
    Listening listening;
    QElapsedTimer clock;
    clock.start();
    Application().Sound().Play(laser, true, "Laser");
    const qint64 took = clock.elapsed();
    const double heard = test::AudibleMs(listening.recorder.Stop());
    EXPECT_GE(took, 300);
    EXPECT_LE(took, 350);
    EXPECT_GE(heard, 0.95 * AudibleMsOf(laser));
}

TEST(RealSound, StopSilencesALongSound) {
    test::Recorder during(*audioServer);
    Pump(300);
    Application().Sound().Play(Resource("SND_MYSHIP_EXPLODE"), false, {});
    Pump(1500);
    ASSERT_GT(test::AudibleMs(during.Stop()), 0) << "the explosion was not heard";
    // Three seconds long and still playing: only Stop can silence it now.
    Application().Sound().Stop();
    Pump(300);
    test::Recorder afterStop(*audioServer);
    Pump(1200);
    EXPECT_EQ(test::AudibleMs(afterStop.Stop(), 2), 0) << "sound went on after Stop";
}

// An open output keeps the process waking: once a sound has played out the
// stream is closed, and the next sound opens a new one.
TEST(RealSound, TheOutputClosesWhenASoundHasPlayedOut) {
    for (int round = 0; round < 2; ++round) {
        Application().Sound().Play(Resource("SND_LASER"), false, {});
        Pump(100);
        EXPECT_EQ(OpenStreams(), 1) << "round " << round;
        QElapsedTimer clock;
        clock.start();
        while (OpenStreams() != 0 && clock.elapsed() < 5000)
            Pump(100);
        EXPECT_EQ(OpenStreams(), 0) << "round " << round << ": still open after the sound";
    }
}

} // namespace
} // namespace orv

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!orv::test::AudioServer::Available()) {
        std::puts("SKIPPED: pulseaudio or parec is not installed; no real-sound test");
        return 77;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The application connects to the audio server as it starts: the server
    // comes first.
    orv::test::AudioServer server;
    if (!server.Running()) {
        std::puts("FAILED: the private pulseaudio server did not start");
        return 1;
    }
    orv::audioServer = &server;
    setenv("PULSE_SERVER", server.Address().toUtf8().constData(), 1);
    orv::TApplication app(argc, argv);
    app.SetTitle("ORBIT RAVEN");
    app.SetDesktopEntry("orbit-raven");
    const int result = RUN_ALL_TESTS();
    app.SetSoundService(nullptr);
    return result;
}
