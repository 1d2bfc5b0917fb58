// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Application.h"

#include "framework/app/Desktop.h"
#include "framework/controls/Forms.h"
#include "framework/drawing/Font.h"
#include "framework/files/Resources.h"
#include "framework/texts/Exceptions.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>

#include <algorithm>

#include <cassert>
#include <cmath>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orv {
namespace {

TApplication* instance = nullptr;

// A signal handler may only write to a descriptor; the event loop reads the
// other end and ends the program the ordinary way, so settings are saved.
int signalSockets[2] = {-1, -1};

void OnTerminateSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

// Catches every exception at Qt's dispatch, so none crosses the event loop.
class TApplication::QtApp : public QApplication {
public:
    QtApp(int& argc, char** argv, TApplication& owner) : QApplication(argc, argv), owner_(owner) {}

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver->isWidgetType())
            Watch(*static_cast<QWidget*>(receiver), event->type());
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            owner_.HandleException(error);
        } catch (...) {
            owner_.HandleUnknownException();
        }
        return true;
    }

private:
    // Presses for the activation's cause; activation of windows that are
    // no form (message boxes), which the forms' own windows do not see.
    void Watch(QWidget& widget, QEvent::Type type) {
        if (type == QEvent::MouseButtonPress)
            owner_.MousePressedOn(widget.window());
        if (type != QEvent::WindowActivate && type != QEvent::WindowDeactivate)
            return;
        const Qt::WindowType kind = widget.windowType();
        if (!widget.isWindow() || (kind != Qt::Window && kind != Qt::Dialog))
            return;
        if (type == QEvent::WindowActivate)
            owner_.WindowActivatedOn(&widget);
        else if (type == QEvent::WindowDeactivate)
            owner_.WindowDeactivatedOn(&widget);
    }

    TApplication& owner_;
};

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    assert(!instance && "one application object at a time");
    instance = this;
    // Whole-number scale factors keep the pixel art crisp on HiDPI screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    qt_ = std::make_unique<QtApp>(argc, argv, *this);
    queued_ = std::make_unique<QObject>();
    hints_ = std::make_unique<THintManager>();
    exeName_ = QCoreApplication::applicationFilePath().toStdString();
    messageBox_ = CreateQtMessageBox();
    sound_ = CreatePulseSoundService();
    shell_ = CreateQtShell();
    cursor_ = CreateQtCursor();
    sleeper_ = CreateQtSleeper();
    controllers_ = CreateSdlGameControllers();
    RegisterFontSubstitutions();
    WatchTerminateSignals();
    placementSupported_ = !WaylandSession();
    ownTitleBars_ = QtDrawsTitleBars();
    WatchDisplay();
    activation_ = std::make_unique<TActivationTracker>(*this);
    // The desktop's logout asks the main form the same question as its
    // close box.
    QObject::connect(qt_.get(), &QGuiApplication::commitDataRequest, [this](QSessionManager& s) {
        if (mainForm_ && !mainForm_->CloseQuery())
            s.cancel();
    });
}

// Torn down in the reverse order of what depends on what. Calls queued for
// the application go first: the loop has ended, and what they reach (the
// forms, the activation tracker) is about to go. Closing a sound output runs
// a nested event loop, so the sound is silenced next, while every form and
// service is still whole.
TApplication::~TApplication() {
    queued_.reset();
    SetShowHint(false);
    if (sound_)
        sound_->Stop();
    DestroyComponents();
    signalNotifier_.reset();
    activation_.reset();
    controllers_.reset();
    sound_.reset();
    instance = nullptr;
}

void TApplication::WatchTerminateSignals() {
    if (signalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    signalNotifier_ = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(signalNotifier_.get(), &QSocketNotifier::activated, [this] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalSockets[1], &byte, 1);
        Terminate();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

TApplication& TApplication::Instance() {
    assert(instance);
    return *instance;
}

bool TApplication::Exists() {
    return instance != nullptr;
}

bool TApplication::HasGraphicalSession(const std::function<const char*(const char*)>& environment) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = environment(name);
        if (value && *value)
            return true;
    }
    return false;
}

std::string TApplication::ExeDir() const {
    const auto slash = exeName_.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : exeName_.substr(0, slash + 1);
}

void TApplication::FormCreated(TForm& form) {
    if (!mainForm_)
        mainForm_ = &form;
    forms_.push_back(&form);
}

void TApplication::FormDestroyed(TForm& form) {
    if (mainForm_ == &form)
        mainForm_ = nullptr;
    activation_->FormDestroyed(form);
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    released_.erase(std::remove(released_.begin(), released_.end(), &form), released_.end());
}

void TApplication::ReleaseLater(TForm& form) {
    if (std::find(released_.begin(), released_.end(), &form) != released_.end())
        return;
    released_.push_back(&form);
    QMetaObject::invokeMethod(
        queued_.get(), [this] { DestroyReleased(); }, Qt::QueuedConnection);
}

void TApplication::DestroyReleased() {
    // A dialog closed from the keyboard is released before the activation
    // that follows its loss is known: it waits for it, so that the hooks see
    // the dialog whole as the window that lost activation.
    TForm* loser = activation_->UnansweredLoser();
    if (loser && std::find(released_.begin(), released_.end(), loser) != released_.end())
        return;
    activation_->RaisePending();
    while (!released_.empty())
        delete released_.back(); // its destructor takes it off the list
}

void TApplication::ReleaseSoon() {
    if (!released_.empty())
        QMetaObject::invokeMethod(
            queued_.get(), [this] { DestroyReleased(); }, Qt::QueuedConnection);
}

void TApplication::ReleaseNow() {
    if (!released_.empty())
        DestroyReleased();
}

void TApplication::WatchDisplay() {
    const auto watch = [this](QScreen* screen) {
        if (screen)
            QObject::connect(screen, &QScreen::geometryChanged, qt_.get(),
                             [this] { DisplayChanged(); });
    };
    watch(QGuiApplication::primaryScreen());
    QObject::connect(qt_.get(), &QGuiApplication::primaryScreenChanged, qt_.get(),
                     [this, watch](QScreen* screen) {
                         watch(screen);
                         DisplayChanged();
                     });
}

void TApplication::DisplayChanged() {
    OnDisplayChange(this);
}

TForm* TApplication::FindWindow(THandle window) const {
    if (window == kNoWindow)
        return nullptr;
    for (TForm* form : forms_)
        if (form->HandleAllocated() && form->Handle() == window)
            return form;
    return nullptr;
}

void TApplication::ActivationSettled(TForm& form) {
    if (const auto it = std::find(forms_.begin(), forms_.end(), &form); it != forms_.end())
        std::rotate(forms_.begin(), it, it + 1);
    ActiveFormChanged();
}

void TApplication::ActiveFormChanged() {
    OnActiveFormChange(this);
}

void TApplication::MousePressedOn(const void* windowPeer) {
    for (TForm* form : forms_)
        if (form->HandleAllocated() && form->Peer() == windowPeer) {
            activation_->MousePressedOn(form->Handle());
            return;
        }
}

bool TApplication::IsFormPeer(const void* windowPeer) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [windowPeer](const TForm* form) { return form->Peer() == windowPeer; });
}

void TApplication::WindowActivatedOn(const void* windowPeer) {
    if (!IsFormPeer(windowPeer))
        OtherWindowActivated();
}

void TApplication::WindowDeactivatedOn(const void* windowPeer) {
    if (!IsFormPeer(windowPeer))
        OtherWindowDeactivated();
}

TSize TApplication::ScreenSize() const {
    if (screenSize_)
        return *screenSize_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TSize{screen->size().width(), screen->size().height()} : TSize{};
}

int TApplication::ScreenDeviceWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double scale = screenScale_ ? *screenScale_ : screen ? screen->devicePixelRatio() : 1.0;
    return static_cast<int>(std::lround(ScreenSize().cx * scale));
}

void TApplication::Run() {
    if (!terminated_)
        QApplication::exec();
}

int TApplication::Execute(const std::function<void()>& createForms) {
    try {
        createForms();
        Run();
        return 0;
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleUnknownException();
    }
    return 1;
}

void TApplication::Terminate() {
    terminated_ = true;
    // Before any loop runs, Qt's exit would make every later loop return at
    // once, a message box's included; Run starts none then anyway.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void TApplication::HandleException(const std::exception& error) {
    MessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleUnknownException() {
    MessageBox(Tr(FrameworkTexts::UnexpectedError), title_, MB_OK | MB_ICONERROR);
}

void TApplication::SetMessageBoxService(std::unique_ptr<IMessageBox> service) {
    messageBox_ = std::move(service);
}

void TApplication::SetSoundService(std::unique_ptr<ISoundService> service) {
    sound_ = std::move(service);
}

void TApplication::SetShell(std::unique_ptr<IShell> service) {
    shell_ = std::move(service);
}

void TApplication::SetCursorService(std::unique_ptr<ICursor> service) {
    cursor_ = std::move(service);
}

void TApplication::SetSleeper(std::unique_ptr<ISleeper> service) {
    sleeper_ = std::move(service);
}

void TApplication::SetControllerService(std::unique_ptr<IGameControllers> service) {
    controllers_ = std::move(service);
}

void TApplication::SetIcon(const std::string& iconResource) {
    // Every size there is, so the desktop picks a sharp one for the title
    // bar, the task bar and the window switcher at any scale.
    QIcon icon;
    for (const char* variant : {"", "@2x", "@3x", "-48", "-128", "-256"}) {
        const QString path =
            QString::fromStdString(ResourcePath(TResourceType::rtIcon, iconResource + variant));
        if (QFile::exists(path))
            icon.addFile(path);
    }
    QApplication::setWindowIcon(icon);
}

void TApplication::SetDesktopEntry(const std::string& name) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return messageBox_->Show(text, caption.empty() ? title_ : caption, flags);
}

void RunShowingFailure(const std::function<void()>& step) noexcept {
    try {
        step();
    } catch (const std::exception& error) {
        if (TApplication::Exists())
            Application().HandleException(error);
    } catch (...) {
        if (TApplication::Exists())
            Application().HandleUnknownException();
    }
}

} // namespace orv
