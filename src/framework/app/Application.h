// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/ActivationTracker.h"
#include "framework/app/Component.h"
#include "framework/app/Hints.h"
#include "framework/core/Event.h"
#include "framework/services/Cursor.h"
#include "framework/services/GameControllers.h"
#include "framework/services/MessageBox.h"
#include "framework/services/Shell.h"
#include "framework/services/Sleeper.h"
#include "framework/services/SoundService.h"
#include "framework/texts/Language.h"

#include "framework/core/Types.h"
#include "framework/core/WindowHook.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;
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
    // Whether a display can be there to connect to, asked of the environment
    // before an application object exists: an X11 or Wayland session, or a
    // platform chosen on purpose (offscreen, for instance).
    static bool HasGraphicalSession(const std::function<const char*(const char*)>& environment);

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
    void ActivationChanged(bool active) { activation_->ApplicationStateChanged(active); }
    // A loss of activation waits a moment, in case one of our windows takes
    // the focus next; tests settle it at once.
    bool DeactivationPending() const { return activation_->DeactivationPending(); }
    void SettleDeactivation() { activation_->SettleDeactivation(); }

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
    // Whether the program draws its windows' title bars itself, so that each
    // offers only the buttons its window has: by default where Qt would draw
    // them (QtDrawsTitleBars), whose bar offers more. Holds for forms
    // given a border style and message boxes shown after it is set.
    bool OwnTitleBars() const { return ownTitleBars_; }
    void SetOwnTitleBars(bool own) { ownTitleBars_ = own; }

    // The form that has the keyboard focus, if any of ours has. A message
    // box over it leaves it the active form.
    TForm* ActiveForm() const { return activation_->ActiveForm(); }
    TNotifyEvents OnActiveFormChange;
    // Reported by the program's windows: a form's, or another window of the
    // program's own, such as a message box. TActivationTracker tells what
    // they mean.
    void FormActivated(TForm& form) { activation_->FormActivated(form); }
    void FormDeactivated(TForm& form) { activation_->FormDeactivated(form); }
    void OtherWindowActivated() { activation_->OtherWindowActivated(); }
    void OtherWindowDeactivated() { activation_->OtherWindowDeactivated(); }

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
    // with the hint manager's default times; the switch goes off at the
    // program's end, before the forms are destroyed.
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
    // The context of the calls the application queues for itself; pending
    // ones go with it.
    std::unique_ptr<QObject> queued_;
    TLanguage language_;
    std::unique_ptr<THintManager> hints_;
    std::string title_;
    std::string exeName_;
    void DestroyReleased();
    // SIGTERM, SIGINT and SIGHUP end the program like Terminate.
    void WatchTerminateSignals();
    // The primary screen's size changes, and a new primary screen.
    void WatchDisplay();

    // What the activation tracker asks of the application: an activation
    // has reached the hooks (the open-forms order follows it), the active
    // form changed, and a loss was answered (soon) or the player left (now),
    // so that released forms may go.
    friend class TActivationTracker;
    void ActivationSettled(TForm& form);
    void ActiveFormChanged();
    void ReleaseSoon();
    void ReleaseNow();
    void MousePressedOn(const void* windowPeer);
    void WindowActivatedOn(const void* windowPeer);
    void WindowDeactivatedOn(const void* windowPeer);
    bool IsFormPeer(const void* windowPeer) const;

    TForm* mainForm_ = nullptr;
    THandle nextHandle_ = 0x100;
    TWindowHookChain windowHooks_;
    bool placementSupported_ = true;
    bool ownTitleBars_ = false;
    std::vector<TForm*> released_;
    std::vector<TForm*> forms_;
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
    std::unique_ptr<TActivationTracker> activation_;
};

// Runs a step whose failure must not stop its caller (an end-of-life step,
// a save handler): what it raises is shown as at the event loop's boundary.
void RunShowingFailure(const std::function<void()>& step) noexcept;

// The running application object.
inline TApplication& Application() {
    return TApplication::Instance();
}

} // namespace orv
