// Plays the laser through the real sound service into a private PulseAudio
// server with a null sink, records the sink's monitor, and checks that the
// sound was heard and that Stop silences it. Skips (exit 77) where
// pulseaudio or parec is not installed.

#include "framework/Application.h"
#include "framework/Resources.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace orv {

QTemporaryDir* runtimeDir = nullptr;

void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

namespace {

// Records the null sink's monitor as unsigned 8-bit mono while it lives.
class Recorder {
public:
    Recorder() {
        path_ = runtimeDir->filePath(QStringLiteral("rec-%1.raw").arg(++count_));
        process_.setStandardOutputFile(path_);
        process_.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("orv_null.monitor"),
                        QStringLiteral("--raw"), QStringLiteral("--format=u8"),
                        QStringLiteral("--channels=1"), QStringLiteral("--rate=22050"),
                        QStringLiteral("--latency-msec=20")});
        process_.waitForStarted();
        Pump(300); // let the stream connect before anything plays
    }
    // Stops recording; the loudest sample's distance from silence.
    int Peak() {
        process_.terminate();
        process_.waitForFinished(3000);
        QFile file(path_);
        file.open(QIODevice::ReadOnly);
        const QByteArray data = file.readAll();
        bytes_ = data.size();
        int peak = 0;
        for (const char c : data)
            peak = std::max(peak, std::abs(static_cast<unsigned char>(c) - 128));
        return peak;
    }
    qsizetype Bytes() const { return bytes_; }

private:
    static inline int count_ = 0;
    QString path_;
    QProcess process_;
    qsizetype bytes_ = 0;
};

TSoundImage Resource(const char* name) {
    return std::make_shared<const std::vector<std::uint8_t>>(
        LoadResourceData(TResourceType::rtRCData, name));
}

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
// open; a volume mixer shows the program's name and icon.
TEST(RealSound, TheProgramIsConnectedFromTheStartAndNamed) {
    Pump(300);
    EXPECT_EQ(OpenStreams(), 0);
    const QString clients = PactlList("clients");
    EXPECT_TRUE(clients.contains(QStringLiteral("application.name = \"ORBIT RAVEN\"")))
        << clients.toStdString();
    EXPECT_TRUE(clients.contains(QStringLiteral("application.icon_name = \"orbit-raven\"")))
        << clients.toStdString();
    Application().Sound().Play(Resource("SND_LASER"), false);
    Pump(100);
    const QString streams = PactlList("sink-inputs");
    EXPECT_TRUE(streams.contains(QStringLiteral("application.name = \"ORBIT RAVEN\"")))
        << streams.toStdString();
    Application().Sound().Stop();
}

TEST(RealSound, LaserIsHeardOnTheAudioServer) {
    Recorder recorder;
    Application().Sound().Play(Resource("SND_LASER"), false);
    // The null sink buffers generously; give the sound time to come out.
    Pump(2500);
    const int peak = recorder.Peak();
    EXPECT_GT(recorder.Bytes(), 0) << "nothing was recorded";
    EXPECT_GT(peak, 20) << "the recording is silent";
}

TEST(RealSound, StopSilencesALongSound) {
    Recorder during;
    Application().Sound().Play(Resource("SND_MYSHIP_EXPLODE"), false);
    Pump(2000);
    ASSERT_GT(during.Peak(), 20) << "the explosion was not heard";
    // Three seconds long and still playing: only Stop can silence it now.
    Application().Sound().Stop();
    Pump(300);
    Recorder afterStop;
    Pump(1200);
    EXPECT_LE(afterStop.Peak(), 2) << "sound went on after Stop";
}

// An open output keeps the process waking: once a sound has played out the
// stream is closed, and the next sound opens a new one.
TEST(RealSound, TheOutputClosesWhenASoundHasPlayedOut) {
    for (int round = 0; round < 2; ++round) {
        Application().Sound().Play(Resource("SND_LASER"), false);
        Pump(100);
        EXPECT_EQ(OpenStreams(), 1) << "round " << round;
        QElapsedTimer clock;
        clock.start();
        while (OpenStreams() != 0 && clock.elapsed() < 3000)
            Pump(100);
        EXPECT_EQ(OpenStreams(), 0) << "round " << round << ": still open after the sound";
    }
}

TEST(RealSound, SynchronousPlayTakesTheSoundsLength) {
    QElapsedTimer clock;
    clock.start();
    Application().Sound().Play(Resource("SND_LASER"), true);
    EXPECT_GE(clock.elapsed(), 290);
}

} // namespace
} // namespace orv

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        std::puts("SKIPPED: pulseaudio or parec is not installed; no real-sound test");
        return 77;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The application connects to the audio server as it starts: the server
    // comes first.
    QTemporaryDir dir;
    orv::runtimeDir = &dir;
    const QString socket = dir.filePath(QStringLiteral("native"));
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                  QStringLiteral("--disable-shm=yes"), QStringLiteral("-F"),
                  QStringLiteral("/dev/null"), QStringLiteral("--log-level=error"),
                  QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1")
                      .arg(socket),
                  QStringLiteral("--load=module-null-sink sink_name=orv_null")});
    server.waitForStarted();
    for (int i = 0; i < 200 && !QFile::exists(socket); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!QFile::exists(socket)) {
        std::puts("FAILED: the private pulseaudio server did not start");
        return 1;
    }
    setenv("PULSE_SERVER", ("unix:" + socket).toUtf8().constData(), 1);
    orv::TApplication app(argc, argv);
    app.SetTitle("ORBIT RAVEN");
    app.SetDesktopEntry("orbit-raven");
    const int result = RUN_ALL_TESTS();
    app.SetSoundService(nullptr);
    server.terminate();
    server.waitForFinished(3000);
    return result;
}
