// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/SoundService.h"

#include "framework/app/Application.h"

#include "framework/core/Wave.h"
#include "framework/services/MessageBox.h"

#include <QGuiApplication>
#include <QObject>
#include <QTimer>

#include <canberra.h>
#include <pulse/pulseaudio.h>

#include <algorithm>
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

// The audio server holds this much of a sound ahead of what is heard: short,
// so that a sound starts at once and the server plays in small steps; the
// whole sound is in memory, so it never runs dry.
constexpr std::chrono::milliseconds kServerBuffer{50};

// How long the audio server may hold a sound back before a synchronous play
// stops waiting for its end (a server that stopped answering).
constexpr std::chrono::seconds kMostServerDelay{3};

// Holds the lock of a threaded main loop while it lives.
class TLoopLock {
public:
    explicit TLoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~TLoopLock() { pa_threaded_mainloop_unlock(loop_); }
    TLoopLock(const TLoopLock&) = delete;
    TLoopLock& operator=(const TLoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

// Wave sounds through the desktop's audio server (PulseAudio, or PipeWire's
// server for it), one stream at a time. The server's own thread feeds the
// stream from the sound's image and tells when the last sample has been
// played; the stream is closed then, so an idle program keeps no stream.
// Every member below the loop is touched only under the loop's lock.
class TPulseSoundService final : public ISoundService {
public:
    // Connecting takes a moment on a desktop: started once the event loop
    // runs (the program has named itself by then), not on the first sound,
    // which would be late.
    TPulseSoundService() : loop_(pa_threaded_mainloop_new()) {
        if (!loop_ || pa_threaded_mainloop_start(loop_) < 0)
            return;
        QTimer::singleShot(0, &context_, [this] {
            const TLoopLock lock(loop_);
            Connect();
        });
    }

    ~TPulseSoundService() override {
        if (loop_) {
            {
                const TLoopLock lock(loop_);
                CloseStream();
                Disconnect();
            }
            pa_threaded_mainloop_stop(loop_);
            pa_threaded_mainloop_free(loop_);
        }
        if (events_)
            ca_context_destroy(events_);
    }

    TPulseSoundService(const TPulseSoundService&) = delete;
    TPulseSoundService& operator=(const TPulseSoundService&) = delete;

    void MessageBeep(unsigned type) override { PlayEventId(EventOfBeep(type)); }

    void PlayEvent(const std::string& name) override {
        const std::string id = SoundEventId(name);
        if (!id.empty())
            PlayEventId(id.c_str());
    }

    void Play(TSoundImage image, bool sync, const std::string& title) override {
        Stop();
        if (!image)
            return;
        const auto info = ParseWave(*image);
        if (!info)
            return;
        const bool started = loop_ && Start(std::move(image), *info, title);
        if (sync && started)
            WaitForEnd(std::chrono::milliseconds(info->DurationMs()));
        else if (sync)
            std::this_thread::sleep_for(std::chrono::milliseconds(info->DurationMs()));
    }

    void Stop() override {
        if (!loop_)
            return;
        const TLoopLock lock(loop_);
        CloseStream();
    }

private:
    // --- The connection ---------------------------------------------------

    void Connect() {
        pa_proplist* names = pa_proplist_new();
        if (TApplication::Exists())
            pa_proplist_sets(names, PA_PROP_APPLICATION_NAME, Application().Title().c_str());
        pa_proplist_sets(names, PA_PROP_APPLICATION_ICON_NAME,
                         QGuiApplication::desktopFileName().toUtf8().constData());
        connection_ =
            pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, names);
        pa_proplist_free(names);
        // Without a server the context fails and the program stays silent; a
        // later sound connects again. A game never starts an audio server.
        if (connection_ &&
            pa_context_connect(connection_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            Disconnect();
    }

    void Disconnect() {
        if (!connection_)
            return;
        pa_context_disconnect(connection_);
        pa_context_unref(connection_);
        connection_ = nullptr;
    }

    // --- One sound --------------------------------------------------------

    static pa_sample_spec SampleFormat(const TWaveInfo& info) {
        pa_sample_spec format{};
        format.format = info.BitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        format.rate = static_cast<std::uint32_t>(info.SampleRate);
        format.channels = static_cast<std::uint8_t>(info.Channels);
        return format;
    }

    bool Connected() const {
        return connection_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(connection_));
    }

    // Opens a stream for the sound; false where no server is connected (a
    // lost connection is made again for a later sound) or the server
    // refuses it.
    bool Start(TSoundImage image, const TWaveInfo& info, const std::string& title) {
        const TLoopLock lock(loop_);
        if (!Connected()) {
            Disconnect();
            Connect();
        }
        if (!connection_ || pa_context_get_state(connection_) != PA_CONTEXT_READY)
            return false;
        const pa_sample_spec format = SampleFormat(info);
        if (!pa_sample_spec_valid(&format))
            return false;
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
        stream_ = pa_stream_new_with_proplist(connection_, title.empty() ? "sound" : title.c_str(),
                                              &format, nullptr, props);
        pa_proplist_free(props);
        if (!stream_)
            return false;
        playing_ = std::move(image);
        next_ = info.DataOffset;
        end_ = info.DataOffset + info.DataSize;
        ended_ = false;
        draining_ = false;
        pa_stream_set_write_callback(stream_, &TPulseSoundService::OnWritable, this);
        pa_stream_set_state_callback(stream_, &TPulseSoundService::OnStreamState, this);
        const auto ahead = pa_usec_to_bytes(
            std::chrono::duration_cast<std::chrono::microseconds>(kServerBuffer).count(), &format);
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = static_cast<std::uint32_t>(ahead);
        buffer.prebuf = static_cast<std::uint32_t>(-1);
        buffer.minreq = static_cast<std::uint32_t>(-1);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0) {
            CloseStream();
            return false;
        }
        return true;
    }

    // Closes the stream, which silences it at once; the server forgets it.
    void CloseStream() {
        if (stream_) {
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
        playing_.reset();
        ended_ = true;
    }

    // Blocks until the stream has played to its end or was closed, without
    // running the event loop, so nothing else happens while it plays. A
    // server that stops answering is given up on, so the program goes on.
    void WaitForEnd(std::chrono::milliseconds length) {
        const auto giveUp = std::chrono::steady_clock::now() + length + kMostServerDelay;
        for (;;) {
            {
                const TLoopLock lock(loop_);
                if (ended_)
                    return;
                if (std::chrono::steady_clock::now() >= giveUp) {
                    CloseStream();
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    // --- The server's thread (the loop's lock is held) ---------------------

    static void OnWritable(pa_stream* stream, std::size_t bytes, void* self) {
        static_cast<TPulseSoundService*>(self)->Feed(stream, bytes);
    }

    void Feed(pa_stream* stream, std::size_t bytes) {
        if (stream != stream_ || !playing_)
            return;
        const std::size_t count = std::min(bytes, end_ - next_);
        if (count > 0) {
            pa_stream_write(stream, playing_->data() + next_, count, nullptr, 0, PA_SEEK_RELATIVE);
            next_ += count;
        }
        if (next_ == end_ && !draining_) {
            // The drain ends when the server has played the last sample: only
            // then is the stream closed, so the sound's tail is heard.
            draining_ = true;
            pa_operation* drain = pa_stream_drain(stream, &TPulseSoundService::OnDrained, this);
            if (drain)
                pa_operation_unref(drain);
        }
    }

    static void OnDrained(pa_stream* stream, int, void* self) {
        auto& service = *static_cast<TPulseSoundService*>(self);
        if (stream == service.stream_)
            service.CloseStream();
    }

    static void OnStreamState(pa_stream* stream, void* self) {
        auto& service = *static_cast<TPulseSoundService*>(self);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (stream == service.stream_ &&
            (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED))
            service.CloseStream();
    }

    // --- Desktop events ---------------------------------------------------

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

    // The context of the connection started from the event loop; a start
    // still pending goes with the service.
    QObject context_;
    ca_context* events_ = nullptr;
    bool eventsNamed_ = false;
    pa_threaded_mainloop* const loop_;
    pa_context* connection_ = nullptr;
    pa_stream* stream_ = nullptr;
    TSoundImage playing_;
    std::size_t next_ = 0;
    std::size_t end_ = 0;
    bool draining_ = false;
    bool ended_ = true;
};

} // namespace

std::string SoundEventId(const std::string& name) {
    if (name == "Minimize")
        return "window-minimized";
    if (name == "RestoreUp")
        return "window-unminimized";
    return {};
}

std::unique_ptr<ISoundService> CreatePulseSoundService() {
    return std::make_unique<TPulseSoundService>();
}

} // namespace orv
