// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"
#include "framework/core/Event.h"
#include "framework/core/WindowHook.h"
#include "framework/texts/Text.h"

#include <functional>
#include <string>

class QMenuBar;
class QWidget;

class QEventLoop;

namespace orv {

class TButton;
class TTitleBar;
class TMainMenu;

// Modal results, with their classic values.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class TFormBorderStyle : std::uint8_t { bsSizeable, bsSingle, bsDialog };
// Where a form appears: where it was put, or centred over the main form.
enum class TPosition : std::uint8_t { poDesigned, poMainFormCenter };
enum class TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// A top-level window. Its outer size is the client size plus fixed border
// metrics, so sizes given for either come out the same on every desktop.
class TForm : public TWinControl {
public:
    static constexpr int kBorderWidth = 8;
    static constexpr int kBorderHeight = 27;
    static constexpr int kMenuHeight = 20;

    explicit TForm(TComponent* owner);
    // A deleted form has lost its components already (see TComponent); one
    // that lived on the stack loses them here, after its class's body.
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Keeps the source text as the caption, the form's identity for window
    // hooks and stored places, and shows its translation as the title.
    void SetCaption(const TText& caption);
    std::string ShownCaption() const;

    int ClientWidth() const override { return Width() - kBorderWidth; }
    int ClientHeight() const override { return Height() - NonClientHeight(); }
    void SetClientWidth(int width) { SetWidth(width + kBorderWidth); }
    void SetClientHeight(int height) { SetHeight(height + NonClientHeight()); }
    void SetBounds(int left, int top, int width, int height) override;

    // Single and dialog borders cannot be resized; a single border has a
    // minimise box, a dialog border only the close box.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // As the desktop has the window now.
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);

    TMainMenu* Menu() const { return menu_; }
    // Shows the menu's entries on a bar above the client area.
    void SetMenu(TMainMenu* menu);

    // The form's window, made when first needed and at the latest when the
    // form first shows; the window hooks learn of it then and may place it.
    THandle Handle();
    bool HandleAllocated() const { return handle_ != kNoWindow; }

    void Show();
    void Hide();
    bool Showing() const;
    // Asks OnCloseQuery; closing the main form ends the program, closing a
    // modal form ends it with mrCancel.
    void Close();
    bool CloseQuery();

    // Shows the form and runs until a modal result is set (a button with a
    // ModalResult, Esc on the cancel button, or the close box); gives it.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    // Destroys the form once control is back in the event loop.
    void Release();

    // The control that has the focus when the form shows, and then the one
    // that has it (Tab and clicks move it too); Enter presses it when it is
    // a button.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // The button Enter presses: the focused one, else the active control
    // when that is a button; it is drawn as the default button.
    TButton* EnterButton() const;
    // Moves the focus to the next (or previous) control in tab order once
    // the event loop runs again; dropped if the form goes first.
    void PostSelectNext(bool forward);

    // Runs the form's Loaded, then each component's, in creation order: the
    // last step of building a form from its stored description, called at
    // the end of the form's constructor. When a step fails, the components
    // are destroyed before the error goes on.
    void FinishLoading();

    // Key events reach the form itself; a release that only belongs to the
    // keyboard's auto-repeat is not reported, so a held key stays down. Enter
    // presses the focused button and Esc the cancel button before the
    // handlers see the key; so does a letter (without Ctrl) that a visible
    // button or check box underlines, unless a text field has the focus.
    virtual void KeyDown(int& key, unsigned shift);
    virtual void KeyUp(int& key, unsigned shift);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnResize;
    // The window was minimised, maximised or restored, whoever asked for it:
    // the title bar, the task bar, the window manager or the program.
    TNotifyEvents OnWindowStateChange;

    QWidget* ClientPeer() const override { return client_; }

protected:
    void Resize() override;
    // The client area is filled with the form's colour.
    void ColorChanged() override;
    // Height taken above the client area besides the border: the menu bar.
    int MenuHeight() const { return menu_ ? kMenuHeight : 0; }
    int NonClientHeight() const { return kBorderHeight + MenuHeight(); }
    // Lays the client area out below anything shown above it, and sizes the
    // window to hold both.
    void PlaceClient();
    // The menu bar and the client area only, in the window as it is.
    void LayOutClient();
    // The menu bar's real height on this desktop.
    int BarHeight() const;
    // The program's own title bar's height; 0 where the desktop draws it.
    int TitleHeight() const;
    // A letter typed there is text, not a button's mnemonic.
    bool TextFieldFocused() const;

private:
    class FormWidget;
    void CreateHandle();
    // A modal form is a dialog of the window that opened it.
    void BelongToOpener();
    void MarkDefaultButton();
    void ShowTitleBar(bool own);
    void LeaveMenuBarWithMenus();
    // The window system moved or sized the window (a person, the desktop or
    // the program itself): keep the bounds and tell the hooks.
    void WindowMoved();
    void MoveFrame(int left, int top);
    TPoint FramePosition() const;
    void FocusMoved(const QWidget* focused);
    // True when the window was maximised though it cannot be: it is put back.
    bool RefuseMaximize();
    // A window manager that lets go of a hidden window moves it back to
    // its frame's place, so Qt's idea of where it is goes wrong: a hidden
    // form converts points by where it was last seen.
    void WindowHidden();
    std::optional<TPoint> KeptClientOrigin() const override;
    std::optional<TPoint> hiddenOrigin_;
    bool RaisesWindowEvents() const;

    THandle handle_ = kNoWindow;
    TRect reportedRect_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    TTitleBar* titleBar_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    bool modal_ = false;
    bool shownOnce_ = false;
    bool sizing_ = false;
    TWinControl* activeControl_ = nullptr;
    // The control SetActiveControl named, which the focus does not change.
    TWinControl* designatedControl_ = nullptr;
    int modalResult_ = mrNone;
    TMainMenu* menu_ = nullptr;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    std::string caption_;
};

// The window of ours that a window about to open belongs to: the active
// one, else the active form, else the main form; null when none shows.
QWidget* OpenerWindow(const QWidget& opening);

} // namespace orv
