#pragma once

#include "Controls.h"

#include <functional>
#include <string>

class QMenuBar;
class QWidget;

namespace orv {

class TMainMenu;

enum class TFormBorderStyle : std::uint8_t { bsSizeable, bsSingle, bsDialog };

using TKeyEvent = std::function<void(TObject* sender, int& key, unsigned shift)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// A top-level window. Its outer size is the client size plus fixed border
// metrics, so sizes given for either come out the same on every desktop.
class TForm : public TWinControl {
public:
    static constexpr int kBorderWidth = 8;
    static constexpr int kBorderHeight = 27;
    static constexpr int kMenuHeight = 20;

    explicit TForm(TComponent* owner);
    // Destroys the components last-to-first after the derived form's body.
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    int ClientWidth() const override { return Width() - kBorderWidth; }
    int ClientHeight() const override { return Height() - NonClientHeight(); }
    void SetClientWidth(int width) { SetWidth(width + kBorderWidth); }
    void SetClientHeight(int height) { SetHeight(height + NonClientHeight()); }
    void SetBounds(int left, int top, int width, int height) override;

    // Single and dialog borders cannot be resized; a single border has a
    // minimise box, a dialog border only the close box.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);

    TMainMenu* Menu() const { return menu_; }
    // Shows the menu's entries on a bar above the client area.
    void SetMenu(TMainMenu* menu);

    void Show();
    void Hide();
    // Asks OnCloseQuery; closing the main form ends the program.
    void Close();
    bool CloseQuery();

    // Runs the form's Loaded, then each component's, in creation order: the
    // last step of building a form from its stored description.
    void FinishLoading();

    // Key events reach the form itself; a release that only belongs to the
    // keyboard's auto-repeat is not reported, so a held key stays down.
    virtual void KeyDown(int& key, unsigned shift);
    virtual void KeyUp(int& key, unsigned shift);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnResize;

    QWidget* ClientPeer() const override { return client_; }

protected:
    void Resize() override;
    // The client area is filled with the form's colour.
    void ColorChanged() override;
    // Height taken above the client area besides the border: the menu bar.
    int MenuHeight() const { return menu_ ? kMenuHeight : 0; }
    int NonClientHeight() const { return kBorderHeight + MenuHeight(); }
    // Lays the client area out below anything shown above it.
    void PlaceClient();

private:
    class FormWidget;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    std::string caption_;
};

} // namespace orv
