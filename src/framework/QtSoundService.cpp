#include "SoundService.h"

#include "Application.h"

#include "MessageBox.h"
#include "Wave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QTimer>

#include <canberra.h>

#include <chrono>
#include <thread>

namespace orv {
namespace {

// The freedesktop sound theme's event for each kind of message.
const char* EventOfBeep(unsigned type) {
    switch (type & 0xF0u) {
    case MB_ICONHAND:
        return "dialog-error";
    case MB_ICONQUESTION:
        return "dialog-question";
    case MB_ICONEXCLAMATION:
        return "dialog-warning";
    case MB_ICONASTERISK:
        return "dialog-information";
    default:
        return "bell";
    }
}

QAudioFormat ToQtFormat(const TWaveInfo& info) {
    QAudioFormat format;
    format.setSampleRate(info.SampleRate);
    format.setChannelCount(info.Channels);
    format.setSampleFormat(info.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

// The audio server names a program's sounds (in a volume mixer) after what
// its client said when it connected. Qt's clients name themselves after
// nothing of ours, so while one may connect (at the start, and for each
// sound's output) the names are forced through the variables the client
// library reads then. They are taken back at once: a program started from
// here (the manual's viewer) must not take the names too.
class TAudioClientNames {
public:
    TAudioClientNames() {
        if (TApplication::Exists())
            Set("PULSE_PROP_OVERRIDE_application.name",
                QString::fromStdString(Application().Title()));
        Set("PULSE_PROP_OVERRIDE_application.icon_name", QGuiApplication::desktopFileName());
    }
    ~TAudioClientNames() {
        for (const char* variable : set_)
            qunsetenv(variable);
    }
    TAudioClientNames(const TAudioClientNames&) = delete;
    TAudioClientNames& operator=(const TAudioClientNames&) = delete;

private:
    // What the user has set stays.
    void Set(const char* variable, const QString& value) {
        if (!value.isEmpty() && !qEnvironmentVariableIsSet(variable)) {
            qputenv(variable, value.toUtf8());
            set_.push_back(variable);
        }
    }
    std::vector<const char*> set_;
};

class TQtSoundService final : public ISoundService {
public:
    // Connecting to the audio server takes a few hundred milliseconds on a
    // desktop: done once the event loop runs (the program has named itself
    // by then), not on the first sound, which would be late. Connected, the
    // program opens no output until it plays, so it still sleeps when idle.
    TQtSoundService() {
        QTimer::singleShot(0, &releaser_, [] {
            const TAudioClientNames names;
            QMediaDevices::defaultAudioOutput();
        });
    }

    ~TQtSoundService() override {
        Stop();
        if (events_)
            ca_context_destroy(events_);
    }

    void MessageBeep(unsigned type) override { PlayEventId(EventOfBeep(type)); }

    void PlayEvent(const std::string& name) override {
        const std::string id = SoundEventId(name);
        if (!id.empty())
            PlayEventId(id.c_str());
    }

    void Play(TSoundImage image, bool sync) override {
        const TAudioClientNames names;
        Stop();
        if (!image)
            return;
        const auto info = ParseWave(*image);
        if (!info)
            return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(ToQtFormat(*info))) {
            if (sync)
                std::this_thread::sleep_for(std::chrono::milliseconds(info->DurationMs()));
            return;
        }
        playing_ = std::move(image);
        const QByteArray pcm = QByteArray::fromRawData(
            reinterpret_cast<const char*>(playing_->data() + info->DataOffset),
            static_cast<qsizetype>(info->DataSize));
        sink_ = std::make_unique<QAudioSink>(device, ToQtFormat(*info));
        if (sync)
            PlayBlocking(pcm, *info);
        else
            PlayAsync(pcm);
    }

    void Stop() override {
        if (sink_)
            sink_->stop();
        sink_.reset();
        buffer_.reset();
        playing_.reset();
    }

private:
    // A theme without the event, or no audio server, stays silent.
    void PlayEventId(const char* id) {
        if (!events_ && ca_context_create(&events_) != CA_SUCCESS)
            events_ = nullptr;
        if (events_ && !eventsNamed_ && TApplication::Exists()) {
            ca_context_change_props(events_, CA_PROP_APPLICATION_NAME,
                                    Application().Title().c_str(), CA_PROP_APPLICATION_ICON_NAME,
                                    QGuiApplication::desktopFileName().toUtf8().constData(),
                                    nullptr);
            eventsNamed_ = true;
        }
        if (events_)
            ca_context_play(events_, 0, CA_PROP_EVENT_ID, id, nullptr);
    }

    void PlayAsync(const QByteArray& pcm) {
        buffer_ = std::make_unique<QBuffer>();
        buffer_->setData(pcm);
        buffer_->open(QIODevice::ReadOnly);
        // An open output keeps the audio stream and its timers running: once
        // the sound has played out it is closed, so an idle program sleeps.
        // Closed from the event loop, never inside the sink's own signal.
        QAudioSink* sink = sink_.get();
        QObject::connect(sink, &QAudioSink::stateChanged, &releaser_,
                         [this, sink](QAudio::State s) {
                             if (s == QAudio::IdleState)
                                 QMetaObject::invokeMethod(
                                     &releaser_, [this, sink] { ReleaseIfPlayedOut(sink); },
                                     Qt::QueuedConnection);
                         });
        sink->start(buffer_.get());
    }

    void ReleaseIfPlayedOut(QAudioSink* sink) {
        if (sink_.get() == sink && sink->state() == QAudio::IdleState)
            Stop();
    }

    // Feeds the sink from this thread and waits out the sound, without
    // running the event loop, so nothing else happens while it plays.
    void PlayBlocking(const QByteArray& pcm, const TWaveInfo& info) {
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::milliseconds(info.DurationMs());
        QIODevice* io = sink_->start();
        qsizetype written = 0;
        while (io && written < pcm.size() && Clock::now() < end + std::chrono::seconds(1)) {
            const qsizetype chunk = std::min<qsizetype>(sink_->bytesFree(), pcm.size() - written);
            if (chunk > 0)
                written += io->write(pcm.constData() + written, chunk);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_until(end);
        Stop();
    }

    // Context of the queued release; pending releases go with the service.
    QObject releaser_;
    ca_context* events_ = nullptr;
    bool eventsNamed_ = false;
    TSoundImage playing_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

std::string SoundEventId(const std::string& name) {
    if (name == "Minimize")
        return "window-minimized";
    if (name == "RestoreUp")
        return "window-unminimized";
    return {};
}

std::unique_ptr<ISoundService> CreateQtSoundService() {
    return std::make_unique<TQtSoundService>();
}

} // namespace orv
