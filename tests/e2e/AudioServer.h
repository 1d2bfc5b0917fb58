#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace orv::e2e {

// A private PulseAudio server with a null sink, whose monitor can be
// recorded: a program that plays a sound is heard there.
class AudioServer {
public:
    // False, with a reason, where pulseaudio or parec is missing or the
    // server did not come up.
    bool Start(QString& reason);
    ~AudioServer();
    // PULSE_SERVER for the programs that are to play into it.
    QString Address() const;
    // The clients connected, as `pactl list clients` tells them.
    QString Clients() const;

    // Records the null sink's monitor while it lives; Peak() stops it and
    // gives the loudest sample's distance from silence.
    class Recording {
    public:
        explicit Recording(const AudioServer& server);
        int Peak();

    private:
        QString path_;
        QProcess process_;
    };

private:
    QTemporaryDir dir_;
    QProcess server_;
};

} // namespace orv::e2e
