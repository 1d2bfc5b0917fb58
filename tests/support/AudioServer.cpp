// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AudioServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>

namespace orv::test {

bool AudioServer::Available() {
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
}

AudioServer::AudioServer() {
    const QString socket = dir_.filePath(QStringLiteral("native"));
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--disable-shm=yes"), QStringLiteral("-F"),
                   QStringLiteral("/dev/null"), QStringLiteral("--log-level=error"),
                   QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1")
                       .arg(socket),
                   QStringLiteral("--load=module-null-sink sink_name=orv_null")});
    server_.waitForStarted();
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(socket) && clock.elapsed() < 10000)
        QThread::msleep(50);
    if (!QFile::exists(socket))
        return;
    address_ = QStringLiteral("unix:") + socket;
    pacer_.setProcessEnvironment(Environment());
    pacer_.setStandardOutputFile(QProcess::nullDevice());
    pacer_.start(QStringLiteral("parec"),
                 {QStringLiteral("-d"), QStringLiteral("orv_null.monitor"), QStringLiteral("--raw"),
                  QStringLiteral("--latency-msec=20")});
    pacer_.waitForStarted();
    WaitForSmallSteps();
}

// The sink's block begun before the reader came ends within two seconds.
void AudioServer::WaitForSmallSteps() {
    const QRegularExpression latency(QStringLiteral("^\\s*Latency: (\\d+) usec"),
                                     QRegularExpression::MultilineOption);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QProcess pactl;
        pactl.setProcessEnvironment(Environment());
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks")});
        pactl.waitForFinished(3000);
        const auto match = latency.match(QString::fromUtf8(pactl.readAllStandardOutput()));
        if (match.hasMatch() && match.captured(1).toLongLong() < 50000)
            return;
        QThread::msleep(100);
    }
}

AudioServer::~AudioServer() {
    pacer_.terminate();
    pacer_.waitForFinished(3000);
    server_.terminate();
    if (!server_.waitForFinished(3000))
        server_.kill();
}

QProcessEnvironment AudioServer::Environment(QProcessEnvironment base) const {
    base.insert(QStringLiteral("PULSE_SERVER"), address_);
    return base;
}

QString AudioServer::Clients() const {
    QProcess pactl;
    pactl.setProcessEnvironment(Environment());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("clients")});
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

Recorder::Recorder(const AudioServer& server) {
    static int count = 0;
    path_ = server.FilePath(QStringLiteral("rec-%1.raw").arg(++count));
    process_.setProcessEnvironment(server.Environment());
    process_.setStandardOutputFile(path_);
    process_.start(QStringLiteral("parec"),
                   {QStringLiteral("-d"), QStringLiteral("orv_null.monitor"),
                    QStringLiteral("--raw"), QStringLiteral("--format=u8"),
                    QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(kRate),
                    QStringLiteral("--latency-msec=20")});
    process_.waitForStarted();
}

Recorder::~Recorder() {
    if (!stopped_)
        Stop();
}

QByteArray Recorder::Stop() {
    stopped_ = true;
    process_.terminate();
    process_.waitForFinished(3000);
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double AudibleMs(const QByteArray& samples, int threshold) {
    const auto loud = [threshold](char c) {
        return std::abs(static_cast<unsigned char>(c) - 128) > threshold;
    };
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < samples.size(); ++i)
        if (loud(samples[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    return first < 0 ? 0.0 : (last - first + 1) * 1000.0 / Recorder::kRate;
}

} // namespace orv::test
