#pragma once

#include "Controls.h"

#include <functional>
#include <string>

class QWidget;

namespace orv {

using TKeyEvent = std::function<void(TObject* sender, int& key, unsigned shift)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// A top-level window. Its outer size is the client size plus fixed border
// metrics, so sizes given for either come out the same on every desktop.
class TForm : public TWinControl {
public:
    static constexpr int kBorderWidth = 8;
    static constexpr int kBorderHeight = 27;

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
    // Height taken above the client area besides the border (a menu bar).
    virtual int MenuHeight() const { return 0; }
    int NonClientHeight() const { return kBorderHeight + MenuHeight(); }
    // Lays the client area out below anything shown above it.
    void PlaceClient();

private:
    class FormWidget;
    QWidget* client_ = nullptr;
    std::string caption_;
};

} // namespace orv
