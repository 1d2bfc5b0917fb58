#include "Forms.h"

#include "Application.h"
#include "Keys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>

namespace orv {
namespace {

unsigned ShiftOf(const QKeyEvent& event) {
    unsigned shift = ssNone;
    if (event.modifiers() & Qt::ShiftModifier)
        shift |= ssShift;
    if (event.modifiers() & Qt::ControlModifier)
        shift |= ssCtrl;
    if (event.modifiers() & Qt::AltModifier)
        shift |= ssAlt;
    return shift;
}

} // namespace

class TForm::FormWidget : public QWidget {
public:
    explicit FormWidget(TForm& form) : form_(form) {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_KeyCompression, false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        int key = VirtualKeyFromQt(event->key());
        if (key)
            form_.KeyDown(key, ShiftOf(*event));
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        // X11 sends a release before every auto-repeated press.
        if (event->isAutoRepeat())
            return;
        int key = VirtualKeyFromQt(event->key());
        if (key)
            form_.KeyUp(key, ShiftOf(*event));
    }

    void closeEvent(QCloseEvent* event) override {
        if (!form_.CloseQuery()) {
            event->ignore();
            return;
        }
        event->accept();
        if (TApplication::Exists() && Application().MainForm() == &form_)
            Application().Terminate();
    }

private:
    TForm& form_;
};

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    auto peer = std::make_unique<FormWidget>(*this);
    client_ = new QWidget(peer.get()); // owned by the peer (Qt parent)
    client_->setAttribute(Qt::WA_StyledBackground, true);
    AttachPeer(std::move(peer));
    if (TApplication::Exists())
        Application().FormCreated(*this);
}

TForm::~TForm() {
    DestroyComponents();
    if (TApplication::Exists())
        Application().FormDestroyed(*this);
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    Peer()->setWindowTitle(QString::fromStdString(caption));
}

void TForm::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    // The window system adds its own frame around the client area.
    Peer()->setGeometry(left, top, std::max(0, ClientWidth()),
                                  std::max(0, Height() - kBorderHeight));
    PlaceClient();
}

void TForm::PlaceClient() {
    client_->setGeometry(0, MenuHeight(), std::max(0, ClientWidth()), std::max(0, ClientHeight()));
}

void TForm::Show() { Peer()->show(); }

void TForm::Hide() { Peer()->hide(); }

void TForm::Close() { Peer()->close(); }

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::FinishLoading() {
    Loaded();
    // A Loaded step may add components; walk by index over a stable copy.
    const auto components = Components();
    for (TComponent* component : components)
        component->Loaded();
}

void TForm::KeyDown(int& key, unsigned shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TForm::KeyUp(int& key, unsigned shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TForm::Resize() {
    if (OnResize)
        OnResize(this);
}

} // namespace orv
