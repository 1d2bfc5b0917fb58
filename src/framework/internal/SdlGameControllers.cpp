// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/GameControllers.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QLibrary>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <SDL.h>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <type_traits>
#include <unistd.h>

namespace orv {
namespace {

// SDL is looked up when the program starts watching, so the program starts
// and plays without it.
struct TSdl {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_PollEvent) PollEvent = nullptr;
    decltype(&SDL_IsGameController) IsGameController = nullptr;
    decltype(&SDL_GameControllerOpen) Open = nullptr;
    decltype(&SDL_GameControllerClose) Close = nullptr;
    decltype(&SDL_GameControllerGetJoystick) GetJoystick = nullptr;
    decltype(&SDL_JoystickInstanceID) InstanceId = nullptr;
    // Since SDL 2.24; without it a controller's presses are polled for.
    decltype(&SDL_GameControllerPath) Path = nullptr;

    bool Load(QLibrary& library) {
        library.setFileName(QStringLiteral("libSDL2-2.0.so.0"));
        if (!library.load())
            return false;
        const auto find = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        find(Path, "SDL_GameControllerPath");
        return find(SetHint, "SDL_SetHint") && find(InitSubSystem, "SDL_InitSubSystem") &&
               find(QuitSubSystem, "SDL_QuitSubSystem") && find(PollEvent, "SDL_PollEvent") &&
               find(IsGameController, "SDL_IsGameController") &&
               find(Open, "SDL_GameControllerOpen") && find(Close, "SDL_GameControllerClose") &&
               find(GetJoystick, "SDL_GameControllerGetJoystick") &&
               find(InstanceId, "SDL_JoystickInstanceID");
    }
};

constexpr Uint32 kSubsystems = SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS;
// After a change under /dev/input the desktop may need a moment to hand the
// new device over (permissions, the device database); SDL is asked again
// after each of these waits, and never otherwise.
constexpr std::array kRecheckAfterChangeMs = {200, 1000, 3000};
// Only for a controller whose device SDL does not name.
constexpr int kPollMs = 10;

bool ToButton(Uint8 sdlButton, TControllerButton& button) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
        button = cbSouth;
        return true;
    case SDL_CONTROLLER_BUTTON_B:
        button = cbEast;
        return true;
    case SDL_CONTROLLER_BUTTON_X:
        button = cbWest;
        return true;
    case SDL_CONTROLLER_BUTTON_Y:
        button = cbNorth;
        return true;
    case SDL_CONTROLLER_BUTTON_BACK:
        button = cbBack;
        return true;
    case SDL_CONTROLLER_BUTTON_START:
        button = cbStart;
        return true;
    default:
        return false;
    }
}

// One open controller. Its device is opened a second time only to learn,
// without polling, that it has something new; SDL reads its own copy.
class TOpenController {
public:
    TOpenController(const TSdl& sdl, SDL_GameController* controller, std::function<void()> wake)
        : sdl_(sdl), controller_(controller) {
        const char* path = sdl.Path ? sdl.Path(controller) : nullptr;
        fd_ = path ? ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
        if (fd_ < 0)
            return;
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, wake] {
            Drain();
            wake();
        });
    }
    ~TOpenController() {
        notifier_.reset();
        if (fd_ >= 0)
            ::close(fd_);
        sdl_.Close(controller_);
    }
    TOpenController(const TOpenController&) = delete;
    TOpenController& operator=(const TOpenController&) = delete;

    bool Watched() const { return notifier_ != nullptr; }

private:
    void Drain() {
        std::array<char, 4096> discard{};
        ssize_t got = 0;
        while ((got = ::read(fd_, discard.data(), discard.size())) > 0) {
        }
        // A device that went away stays readable for ever: stop watching it
        // (SDL reports the removal).
        if (got == 0 || (errno != EAGAIN && errno != EINTR))
            notifier_->setEnabled(false);
    }

    const TSdl& sdl_;
    SDL_GameController* controller_ = nullptr;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

class TSdlGameControllers final : public IGameControllers {
public:
    ~TSdlGameControllers() override {
        open_.clear();
        if (started_)
            sdl_.QuitSubSystem(kSubsystems);
    }

    void SetOnButton(TControllerButtonEvent handler) override {
        buttons_.OnButton = std::move(handler);
        if (buttons_.OnButton && !tried_)
            Start();
    }

private:
    void Start() {
        tried_ = true;
        if (!sdl_.Load(library_))
            return;
        // The program ends on SIGINT and SIGTERM itself, saving its settings.
        sdl_.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl_.SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (sdl_.InitSubSystem(kSubsystems) != 0)
            return;
        started_ = true;
        WatchDevices();
        Pump();
    }

    void WatchDevices() {
        const QString input = QStringLiteral("/dev/input");
        // Where there is no /dev/input yet, its appearing is the change.
        watcher_.addPath(QDir(input).exists() ? input : QStringLiteral("/dev"));
        QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] {
            if (!watcher_.directories().contains(QStringLiteral("/dev/input")) &&
                QDir(QStringLiteral("/dev/input")).exists())
                watcher_.addPath(QStringLiteral("/dev/input"));
            Pump();
            for (const int wait : kRecheckAfterChangeMs)
                QTimer::singleShot(wait, &watcher_, [this] { Pump(); });
        });
        poll_.setInterval(kPollMs);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Pump(); });
    }

    void Pump() {
        SDL_Event event;
        while (sdl_.PollEvent(&event))
            Handle(event);
        UpdatePolling();
    }

    void Handle(const SDL_Event& event) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Add(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            open_.erase(event.cdevice.which);
            buttons_.Removed(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (TControllerButton button; ToButton(event.cbutton.button, button))
                buttons_.Button(event.cbutton.which, button, event.cbutton.state == SDL_PRESSED);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT)
                buttons_.Trigger(event.caxis.which, event.caxis.value);
            break;
        default:
            break;
        }
    }

    void Add(int deviceIndex) {
        if (!sdl_.IsGameController(deviceIndex))
            return;
        SDL_GameController* controller = sdl_.Open(deviceIndex);
        if (!controller)
            return;
        const SDL_JoystickID id = sdl_.InstanceId(sdl_.GetJoystick(controller));
        // SDL may announce a controller it has already announced.
        if (open_.count(id)) {
            sdl_.Close(controller);
            return;
        }
        open_.emplace(id, std::make_unique<TOpenController>(sdl_, controller, [this] {
                          QTimer::singleShot(0, &watcher_, [this] { Pump(); });
                      }));
    }

    void UpdatePolling() {
        bool unwatched = false;
        for (const auto& [id, controller] : open_)
            unwatched = unwatched || !controller->Watched();
        if (unwatched && !poll_.isActive())
            poll_.start();
        else if (!unwatched)
            poll_.stop();
    }

    TSdl sdl_;
    QLibrary library_;
    bool tried_ = false;
    bool started_ = false;
    TControllerButtons buttons_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    std::map<SDL_JoystickID, std::unique_ptr<TOpenController>> open_;
};

} // namespace

std::unique_ptr<IGameControllers> CreateSdlGameControllers() {
    return std::make_unique<TSdlGameControllers>();
}

} // namespace orv
