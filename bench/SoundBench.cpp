// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real sound service against a private PulseAudio server with a null
// sink: how long from Play to the first sample of the sound coming out of
// the sink (recorded from its monitor, so an upper bound), how much of the
// laser and of the ship explosion is heard, and how often the process wakes
// up while nothing plays, before any sound and after one.
// Prints a note and ends where pulseaudio or parec is missing.

#include "framework/app/Application.h"
#include "framework/core/Wave.h"
#include "framework/files/Resources.h"
#include "framework/services/SoundService.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Context switches of every thread of this process so far.
long ContextSwitches() {
    long total = 0;
    for (const QString& task :
         QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status("/proc/self/task/" + task.toStdString() + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::atol(line.substr(line.find(':') + 1).c_str());
    }
    return total;
}

// Wake-ups per second while the event loop idles for a few seconds; the
// loop's own end timer adds one.
double IdleWakeUps(int seconds) {
    const long before = ContextSwitches();
    Pump(seconds * 1000);
    return static_cast<double>(ContextSwitches() - before) / seconds;
}

// A sample this far from silence (128) is heard.
constexpr int kLoud = 8;

// Reads the null sink's monitor in small pieces and notes when a loud one
// arrives.
class MonitorReader {
public:
    MonitorReader() {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            ::execlp("parec", "parec", "-d", "orv_null.monitor", "--raw", "--format=u8",
                     "--channels=1", "--rate=22050", "--latency-msec=2", nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        fd_ = fds[0];
        thread_ = std::thread([this] { Read(); });
    }
    ~MonitorReader() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (thread_.joinable())
            thread_.join();
        if (fd_ >= 0)
            ::close(fd_);
    }
    // Of the loud samples that arrived in [since, until): when the first
    // arrived, and how long the sound lasted from the first to the last, by
    // the samples' count (the sink's own clock, not the arrival times).
    struct Heard {
        Clock::time_point first;
        double lengthMs = 0;
    };
    std::optional<Heard> LoudBetween(Clock::time_point since, Clock::time_point until) {
        std::lock_guard lock(mutex_);
        std::optional<Heard> heard;
        long long firstSample = 0;
        for (const Loud& piece : loud_)
            if (piece.arrived >= since && piece.arrived < until) {
                if (!heard) {
                    heard = Heard{piece.arrived};
                    firstSample = piece.first;
                }
                heard->lengthMs = static_cast<double>(piece.last - firstSample + 1) * 1000 / 22050;
            }
        return heard;
    }

private:
    // A piece that held loud samples: when it arrived, its first and last
    // loud sample's number.
    struct Loud {
        Clock::time_point arrived;
        long long first = 0;
        long long last = 0;
    };

    void Read() {
        unsigned char buffer[64];
        for (long long sample = 0;;) {
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0)
                return;
            std::optional<Loud> loud;
            for (ssize_t i = 0; i < got; ++i, ++sample)
                if (std::abs(buffer[i] - 128) > kLoud) {
                    if (!loud)
                        loud = Loud{Clock::now(), sample, sample};
                    loud->last = sample;
                }
            if (loud) {
                std::lock_guard lock(mutex_);
                loud_.push_back(*loud);
            }
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Loud> loud_;
};

orv::TSoundImage Sound(const char* name) {
    return std::make_shared<const std::vector<std::uint8_t>>(
        orv::LoadResourceData(orv::TResourceType::rtRCData, name));
}

// For each play of one sound: Play to its first loud sample, from its first
// to its last loud sample (sorted), and how long Play itself took.
struct Plays {
    double audibleMs = 0; // of the sound's own samples
    std::vector<double> latencies;
    std::vector<double> lengths;
    std::vector<double> calls;
};

Plays PlayAndListen(orv::ISoundService& sound, MonitorReader& monitor, const char* name, int plays,
                    int pauseMs) {
    Plays measured;
    const orv::TSoundImage image = Sound(name);
    const auto wave = orv::ParseWave(*image);
    const auto* samples = image->data() + wave->DataOffset;
    std::vector<std::size_t> loud;
    for (std::size_t i = 0; i < wave->DataSize; ++i)
        if (std::abs(samples[i] - 128) > kLoud)
            loud.push_back(i);
    if (!loud.empty())
        measured.audibleMs = static_cast<double>(loud.back() - loud.front() + 1) * 1000 / 22050;
    for (int i = 0; i < plays; ++i) {
        const auto start = Clock::now();
        sound.Play(image, false, name);
        measured.calls.push_back(Ms(Clock::now() - start));
        Pump(pauseMs);
        if (const auto loud = monitor.LoudBetween(start, Clock::now())) {
            measured.latencies.push_back(Ms(loud->first - start));
            measured.lengths.push_back(loud->lengthMs);
        }
    }
    std::sort(measured.lengths.begin(), measured.lengths.end());
    return measured;
}

// Started before the application, which connects to the audio server as it
// starts. Returns the server's process id, or -1.
pid_t StartServer(const std::string& socket) {
    const std::string load =
        "--load=module-native-protocol-unix socket=" + socket + " auth-anonymous=1";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                 "--use-pid-file=no", "--disable-shm=yes", "-F", "/dev/null", "--log-level=error",
                 load.c_str(), "--load=module-null-sink sink_name=orv_null", nullptr);
        ::_exit(127);
    }
    for (int i = 0; pid > 0 && i < 200 && ::access(socket.c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return pid > 0 && ::access(socket.c_str(), F_OK) == 0 ? pid : -1;
}

void StopServer(pid_t pid) {
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("parec").isEmpty()) {
        std::puts("pulseaudio or parec is not installed; nothing measured");
        return 0;
    }
    const int plays = argc > 1 ? std::atoi(argv[1]) : 20;
    char dir[] = "/tmp/orv-sound-XXXXXX";
    if (!::mkdtemp(dir)) {
        std::puts("no scratch folder for the audio server");
        return 1;
    }
    const std::string socket = std::string(dir) + "/native";
    const pid_t server = StartServer(socket);
    if (server < 0) {
        std::puts("the private pulseaudio server did not start");
        return 1;
    }
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    const auto constructing = Clock::now();
    orv::TApplication app(argc, argv);
    std::printf("application start with its sound service: %.1f ms\n",
                Ms(Clock::now() - constructing));
    orv::ISoundService& sound = app.Sound();
    Pump(500); // what the program does until its first frame

    std::printf("idle before any sound: %.1f wake-ups/s\n", IdleWakeUps(5));
    Plays laser;
    Plays explosion;
    {
        // A fresh server's monitor takes a while to flow; a desktop's server
        // runs long before the program starts.
        MonitorReader monitor;
        Pump(2500);
        laser = PlayAndListen(sound, monitor, "SND_LASER", plays, 1000); // 0.3 s, then quiet
        explosion = PlayAndListen(sound, monitor, "SND_MYSHIP_EXPLODE", 3, 4000); // 3.0 s
    }
    Pump(1000);
    std::printf("idle after a sound: %.1f wake-ups/s\n", IdleWakeUps(5));
    const std::vector<double>& latencies = laser.latencies;
    if (latencies.empty()) {
        std::puts("Play to first sample: nothing heard");
    } else {
        // The one that used to wait for the audio server's connection.
        std::printf("Play to first sample: first play %.1f ms\n", latencies.front());
        std::vector<double> later(latencies.begin() + 1, latencies.end());
        std::sort(later.begin(), later.end());
        std::printf("Play to first sample, later plays (%zu of %d heard): median %.1f ms, "
                    "max %.1f ms\n",
                    later.size(), plays - 1, later[later.size() / 2], later.back());
        std::printf("Play returns after: first play %.1f ms, later plays max %.1f ms\n",
                    laser.calls.front(),
                    *std::max_element(laser.calls.begin() + 1, laser.calls.end()));
        std::printf("laser heard for (its audible part is %.0f ms): shortest %.0f ms, "
                    "median %.0f ms\n",
                    laser.audibleMs, laser.lengths.front(),
                    laser.lengths[laser.lengths.size() / 2]);
    }
    if (!explosion.lengths.empty())
        std::printf("ship explosion heard for (its audible part is %.0f ms): shortest %.0f ms, "
                    "median %.0f ms\n",
                    explosion.audibleMs, explosion.lengths.front(),
                    explosion.lengths[explosion.lengths.size() / 2]);
    app.SetSoundService(nullptr);
    StopServer(server);
    ::unlink(socket.c_str());
    ::rmdir(dir);
    return 0;
}
