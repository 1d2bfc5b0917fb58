#pragma once

#include "Component.h"
#include "MessageBox.h"
#include "Shell.h"
#include "SoundService.h"

#include "Types.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

namespace orv {

class TForm;

// The application object: the program's identity, its forms and the
// platform services. It also is the boundary for exceptions: one raised in
// any handler is shown in a message box and the program goes on. A request
// to end from outside (SIGTERM, SIGINT, SIGHUP) ends the program normally.
//
// Exactly one exists while the program (or a test) runs.
class TApplication : public TComponent {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    static TApplication& Instance();
    static bool Exists();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The program's own file, and its directory with a trailing separator.
    const std::string& ExeName() const { return exeName_; }
    void SetExeName(const std::string& path) { exeName_ = path; }
    std::string ExeDir() const;

    // The first form created becomes the main form.
    TForm* MainForm() const { return mainForm_; }
    void FormCreated(TForm& form);
    void FormDestroyed(TForm& form);
    // Destroys the form once control is back in the event loop.
    void ReleaseLater(TForm& form);

    // Where tests answer modal forms: ShowModal calls it instead of waiting
    // for a person. Null in the program.
    using TModalHook = std::function<void(TForm& form)>;
    const TModalHook& ModalHook() const { return modalHook_; }
    void SetModalHook(TModalHook hook) { modalHook_ = std::move(hook); }

    // The screen's size in pixels; tests may pretend another.
    TSize ScreenSize() const;
    void SetScreenSizeOverride(std::optional<TSize> size) { screenSize_ = size; }

    // Runs the event loop until Terminate.
    void Run();
    // The whole program: creates the forms, then runs the event loop. An
    // error that escapes either is shown in a message box and gives the exit
    // status 1; otherwise 0.
    int Execute(const std::function<void()>& createForms);
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Takes a terminate request back, for a loop that is to run again.
    void CancelTerminate() { terminated_ = false; }

    void HandleException(const std::exception& error);
    void HandleUnknownException();

    IMessageBox& MessageBoxService() { return *messageBox_; }
    void SetMessageBoxService(std::unique_ptr<IMessageBox> service);
    ISoundService& Sound() { return *sound_; }
    void SetSoundService(std::unique_ptr<ISoundService> service);
    IShell& Shell() { return *shell_; }
    void SetShell(std::unique_ptr<IShell> service);

    // The icon of every window and of the program on the desktop: an icon
    // resource's name.
    void SetIcon(const std::string& iconResource);
    // The desktop entry that names the program to the desktop (Wayland
    // shows its icon and name from it).
    void SetDesktopEntry(const std::string& name);

    // Shows a message box captioned with the title unless a caption is given.
    int MessageBox(const std::string& text, const std::string& caption = {},
                   unsigned flags = MB_OK);

private:
    class QtApp;
    std::unique_ptr<QtApp> qt_;
    std::string title_;
    std::string exeName_;
    void DestroyReleased();
    // SIGTERM, SIGINT and SIGHUP end the program like Terminate.
    void WatchTerminateSignals();

    TForm* mainForm_ = nullptr;
    std::vector<TForm*> released_;
    TModalHook modalHook_;
    std::optional<TSize> screenSize_;
    bool terminated_ = false;
    std::unique_ptr<IMessageBox> messageBox_;
    std::unique_ptr<ISoundService> sound_;
    std::unique_ptr<IShell> shell_;
    std::unique_ptr<QSocketNotifier> signalNotifier_;
};

// The running application object.
inline TApplication& Application() {
    return TApplication::Instance();
}

} // namespace orv
