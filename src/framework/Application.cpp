#include "Application.h"

#include "Exceptions.h"
#include "Font.h"
#include "Forms.h"
#include "Resources.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QSessionManager>
#include <QSocketNotifier>

#include <algorithm>

#include <cassert>
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
    TApplication& owner_;
};

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    assert(!instance && "one application object at a time");
    instance = this;
    // Whole-number scale factors keep the pixel art crisp on HiDPI screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    qt_ = std::make_unique<QtApp>(argc, argv, *this);
    exeName_ = QCoreApplication::applicationFilePath().toStdString();
    messageBox_ = CreateQtMessageBox();
    sound_ = CreateQtSoundService();
    shell_ = CreateQtShell();
    RegisterFontSubstitutions();
    WatchTerminateSignals();
    // The desktop's logout asks the main form the same question as its
    // close box.
    QObject::connect(qt_.get(), &QGuiApplication::commitDataRequest, [this](QSessionManager& s) {
        if (mainForm_ && !mainForm_->CloseQuery())
            s.cancel();
    });
}

TApplication::~TApplication() {
    DestroyComponents();
    signalNotifier_.reset();
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

std::string TApplication::ExeDir() const {
    const auto slash = exeName_.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : exeName_.substr(0, slash + 1);
}

void TApplication::FormCreated(TForm& form) {
    if (!mainForm_)
        mainForm_ = &form;
}

void TApplication::FormDestroyed(TForm& form) {
    if (mainForm_ == &form)
        mainForm_ = nullptr;
    released_.erase(std::remove(released_.begin(), released_.end(), &form), released_.end());
}

void TApplication::ReleaseLater(TForm& form) {
    if (std::find(released_.begin(), released_.end(), &form) != released_.end())
        return;
    released_.push_back(&form);
    QMetaObject::invokeMethod(
        qt_.get(), [this] { DestroyReleased(); }, Qt::QueuedConnection);
}

void TApplication::DestroyReleased() {
    while (!released_.empty())
        delete released_.back(); // its destructor takes it off the list
}

TSize TApplication::ScreenSize() const {
    if (screenSize_)
        return *screenSize_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TSize{screen->size().width(), screen->size().height()} : TSize{};
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
    QCoreApplication::exit(0);
}

void TApplication::HandleException(const std::exception& error) {
    MessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleUnknownException() {
    MessageBox("予期しないエラーが発生しました", title_, MB_OK | MB_ICONERROR);
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

void TApplication::SetIcon(const std::string& iconResource) {
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString(ResourcePath(TResourceType::rtIcon, iconResource))));
}

void TApplication::SetDesktopEntry(const std::string& name) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return messageBox_->Show(text, caption.empty() ? title_ : caption, flags);
}

} // namespace orv
