#pragma once

#include "Component.h"
#include "Cursor.h"
#include "Event.h"
#include "GameControllers.h"
#include "Hints.h"
#include "Language.h"
#include "MessageBox.h"
#include "Shell.h"
#include "Sleeper.h"
#include "SoundService.h"

#include "Types.h"
#include "WindowHook.h"

#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;
class QTimer;

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
    // The forms that exist, the most recently activated first; a new form
    // joins at the end until it is first activated.
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Raised once each time the main window is minimised.
    TNotifyEvent OnMinimize;
    // Raised once each time the program loses the activation to another
    // program; focus passing between the program's own windows does not
    // count. The platform's reports arrive through ActivationChanged.
    TNotifyEvent OnDeactivate;
    void ActivationChanged(bool active);
    // A loss of activation waits a moment, in case one of our windows takes
    // the focus next; tests settle it at once.
    bool DeactivationPending() const;
    void SettleDeactivation();

    // Where tests answer modal forms: ShowModal calls it instead of waiting
    // for a person. Null in the program.
    using TModalHook = std::function<void(TForm& form)>;
    const TModalHook& ModalHook() const { return modalHook_; }
    void SetModalHook(TModalHook hook) { modalHook_ = std::move(hook); }

    // The screen's size in pixels (the primary screen's) as the program's
    // windows measure it, scaled on a HiDPI screen; tests may pretend
    // another. OnDisplayChange runs when it changes.
    TSize ScreenSize() const;
    void SetScreenSizeOverride(std::optional<TSize> size) { screenSize_ = size; }
    // The screen's width in the device's own pixels: twice ScreenSize's at
    // scale 2. Tests may pretend a scale.
    int ScreenDeviceWidth() const;
    void SetScreenScaleOverride(std::optional<double> scale) { screenScale_ = scale; }
    void DisplayChanged();
    TNotifyEvents OnDisplayChange;

    // The program's top-level windows. The application's own window owns
    // them all; each form has a handle from its first showing on.
    static constexpr THandle kAppWindow = 1;
    THandle Handle() const { return kAppWindow; }
    THandle NewWindowHandle() { return nextHandle_++; }
    TForm* FindWindow(THandle window) const;
    TWindowHookChain& WindowHooks() { return windowHooks_; }
    // Whether the platform lets a program read and set where its windows
    // are (X11 does, Wayland does not). Without it no window event is
    // raised and nothing is placed.
    bool WindowPlacementSupported() const { return placementSupported_; }
    void SetWindowPlacementSupported(bool supported) { placementSupported_ = supported; }

    // The form that has the keyboard focus, if any of ours has. A message
    // box over it leaves it the active form.
    TForm* ActiveForm() const { return activeForm_; }
    TNotifyEvents OnActiveFormChange;
    // Reported by the program's windows: a form's, or (nullptr) another
    // window of the program's own, such as a message box. A loss that no
    // activation of ours follows within kLeaveSettleMs means the player
    // went to another program.
    void FormActivated(TForm& form);
    void FormDeactivated(TForm& form);
    void OtherWindowActivated();
    void OtherWindowDeactivated();
    static constexpr int kLeaveSettleMs = 400;

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
    ICursor& Cursor() { return *cursor_; }
    void SetCursorService(std::unique_ptr<ICursor> service);
    ISleeper& Sleeper() { return *sleeper_; }
    void SetSleeper(std::unique_ptr<ISleeper> service);
    IGameControllers& Controllers() { return *controllers_; }
    void SetControllerService(std::unique_ptr<IGameControllers> service);

    // The icon of every window and of the program on the desktop: an icon
    // resource's name.
    void SetIcon(const std::string& iconResource);
    // The desktop entry that names the program to the desktop (Wayland
    // shows its icon and name from it).
    void SetDesktopEntry(const std::string& name);

    // The language the program's texts are shown in; Japanese unless the
    // player asks for another.
    TLanguage& Language() { return language_; }

    // Balloon hints for the whole program: the switch, the wait before a
    // hint shows and the time it stays, in milliseconds. On from the start,
    // 500 and 2500; the switch goes off at the program's end, before the
    // forms are destroyed.
    bool ShowHint() const { return hints_->ShowHint(); }
    void SetShowHint(bool show) { hints_->SetShowHint(show); }
    int HintPause() const { return hints_->HintPause(); }
    void SetHintPause(int ms) { hints_->SetHintPause(ms); }
    int HintHidePause() const { return hints_->HintHidePause(); }
    void SetHintHidePause(int ms) { hints_->SetHintHidePause(ms); }
    THintManager& Hints() { return *hints_; }

    // Shows a message box captioned with the title unless a caption is given.
    int MessageBox(const std::string& text, const std::string& caption = {},
                   unsigned flags = MB_OK);

private:
    class QtApp;
    std::unique_ptr<QtApp> qt_;
    TLanguage language_;
    std::unique_ptr<THintManager> hints_;
    std::string title_;
    std::string exeName_;
    void DestroyReleased();
    // SIGTERM, SIGINT and SIGHUP end the program like Terminate.
    void WatchTerminateSignals();
    // The primary screen's size changes, and a new primary screen.
    void WatchDisplay();
    void WatchActivation();

    // Activation reaches the hooks a moment late, so that the button press
    // that caused it (it may arrive just after) is known by then. The hooks
    // see the forms as they were before it: the open-forms order and the
    // active-form change follow them.
    // A button held at that moment (asked of the X server) makes it an
    // activation by mouse too: a press on a title bar reaches no form.
    struct TPendingActivation {
        THandle Window = kNoWindow;
        THandle Previous = kNoWindow;
        std::int64_t When = 0;
        bool ButtonHeld = false;
    };
    // Activation moves between the program's windows through a passing
    // moment in which none of them is active (Qt's active window is then
    // none). The window that lost it is kept until the next activation
    // names it as the previous one, or until the player has left.
    void WindowLost(TForm* form);
    THandle TakePrevious(const TForm* gaining);
    void QueueActivation(THandle window, THandle previous);
    void ApplicationLeft();
    void RaiseNextActivation();
    void RaiseActivation(const TPendingActivation& activation);
    void ActivationSettled(TForm& form);
    void MousePressedOn(const void* windowPeer);
    void WindowActivatedOn(const void* windowPeer);
    void WindowDeactivatedOn(const void* windowPeer);
    bool IsFormPeer(const void* windowPeer) const;
    bool HoldsUnansweredLoss() const;

    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    // The last loss of activation that no activation has answered yet, and
    // the form that lost it (none for a message box, or a form gone since).
    bool lossPending_ = false;
    TForm* losing_ = nullptr;
    std::uint64_t lossSerial_ = 0;
    THandle nextHandle_ = 0x100;
    TWindowHookChain windowHooks_;
    bool placementSupported_ = true;
    THandle lastPressWindow_ = kNoWindow;
    std::int64_t lastPressTime_ = 0;
    std::vector<TForm*> released_;
    std::vector<TForm*> forms_;
    std::deque<TPendingActivation> pendingActivations_;
    TModalHook modalHook_;
    std::optional<TSize> screenSize_;
    std::optional<double> screenScale_;
    bool terminated_ = false;
    std::unique_ptr<IMessageBox> messageBox_;
    std::unique_ptr<ISoundService> sound_;
    std::unique_ptr<IShell> shell_;
    std::unique_ptr<ICursor> cursor_;
    std::unique_ptr<ISleeper> sleeper_;
    std::unique_ptr<IGameControllers> controllers_;
    std::unique_ptr<QSocketNotifier> signalNotifier_;
    std::unique_ptr<QTimer> deactivation_;
    bool active_ = false;
    bool deactivationPending_ = false;
};

// Runs a step whose failure must not stop its caller (an end-of-life step,
// a save handler): what it raises is shown as at the event loop's boundary.
void RunShowingFailure(const std::function<void()>& step) noexcept;

// The running application object.
inline TApplication& Application() {
    return TApplication::Instance();
}

} // namespace orv
