#include "AudioServer.h"

#include "Driver.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>

namespace orv::e2e {
namespace {

QString Socket(const QTemporaryDir& dir) {
    return dir.filePath("native");
}

} // namespace

bool AudioServer::Start(QString& reason) {
    for (const char* tool : {"pulseaudio", "parec", "pactl"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            reason = QStringLiteral("%1 is not installed").arg(tool);
            return false;
        }
    }
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                 "--disable-shm=yes", "-F", "/dev/null", "--log-level=error",
                                 "--load=module-native-protocol-unix socket=" + Socket(dir_) +
                                     " auth-anonymous=1",
                                 "--load=module-null-sink sink_name=orv_null"});
    for (int i = 0; i < 200 && !QFile::exists(Socket(dir_)); ++i)
        Wait(50);
    if (!QFile::exists(Socket(dir_))) {
        reason = "the private pulseaudio server did not start";
        return false;
    }
    return true;
}

AudioServer::~AudioServer() {
    server_.terminate();
    server_.waitForFinished(3000);
}

QString AudioServer::Address() const {
    return "unix:" + Socket(dir_);
}

QString AudioServer::Clients() const {
    QProcess pactl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", Address());
    pactl.setProcessEnvironment(env);
    pactl.start("pactl", {"list", "clients"});
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

AudioServer::Recording::Recording(const AudioServer& server)
    : path_(server.dir_.filePath("recording.raw")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", server.Address());
    process_.setProcessEnvironment(env);
    process_.setStandardOutputFile(path_);
    process_.start("parec", {"-d", "orv_null.monitor", "--raw", "--format=u8", "--channels=1",
                             "--rate=22050", "--latency-msec=20"});
    process_.waitForStarted(5000);
    // Recording once the stream has connected, so nothing played is missed.
    for (int i = 0; i < 60 && QFileInfo(path_).size() == 0; ++i)
        Wait(50);
}

int AudioServer::Recording::Peak() {
    process_.terminate();
    process_.waitForFinished(3000);
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    int peak = 0;
    for (const char c : file.readAll())
        peak = std::max(peak, std::abs(static_cast<unsigned char>(c) - 128));
    return peak;
}

} // namespace orv::e2e
