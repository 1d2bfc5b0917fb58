// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A private PulseAudio server with one null sink, "orv_null", for the tests
// that need a real audio server, and a recorder of what the sink plays.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace orv::test {

class AudioServer {
public:
    // Whether pulseaudio and parec are installed.
    static bool Available();

    // Starts the server and waits until it listens; Running() tells. A
    // null sink that nobody listens to plays in blocks of seconds, and keeps
    // to a block it has begun when a listener comes: a reader at a short
    // latency stays connected from the start, so the sink plays in small
    // steps throughout, as a sound card does.
    AudioServer();
    ~AudioServer();
    AudioServer(const AudioServer&) = delete;
    AudioServer& operator=(const AudioServer&) = delete;

    bool Running() const { return !address_.isEmpty(); }
    // What PULSE_SERVER must say for a client to use this server.
    const QString& Address() const { return address_; }
    // The environment with PULSE_SERVER set to this server.
    QProcessEnvironment
    Environment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    // The clients connected, as `pactl list clients` tells them.
    QString Clients() const;

private:
    void WaitForSmallSteps();

    QTemporaryDir dir_;
    QProcess server_;
    QProcess pacer_;
    QString address_;
};

// Records the null sink's monitor as unsigned 8-bit mono at 22,050 samples
// per second, at a short latency, so the sink plays in small steps.
class Recorder {
public:
    static constexpr int kRate = 22050;

    explicit Recorder(const AudioServer& server);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Ends the recording; what was recorded.
    QByteArray Stop();

private:
    QString path_;
    QProcess process_;
    bool stopped_ = false;
};

// The milliseconds from the first to the last sample farther than threshold
// from silence (128), in unsigned 8-bit mono at kRate; 0 for silence.
double AudibleMs(const QByteArray& samples, int threshold = 8);

} // namespace orv::test
