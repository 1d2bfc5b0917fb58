// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Controls.h"

#include "framework/internal/Peers.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace orv {

// Draws on the control's widget while it paints, and nowhere otherwise.
class TControl::ScreenCanvas : public TCanvas {
public:
    QPainter* painter = nullptr;

protected:
    QPainter* BeginPaint() override { return painter; }
};

namespace {

constexpr const char* kControlProperty = "orvControl";

// A container's client coordinates are those of the widget that holds its
// children (below a form's menu bar).
const QWidget* ClientWidget(const TControl& control) {
    if (const auto* container = dynamic_cast<const TWinControl*>(&control))
        return container->ClientPeer();
    return control.Peer();
}

} // namespace

void SetControlOfPeer(QWidget& peer, TControl* control) {
    peer.setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(control)));
}

TControl* ControlOfPeer(const QWidget* widget) {
    const QVariant value = widget ? widget->property(kControlProperty) : QVariant();
    return value.isValid() ? static_cast<TControl*>(value.value<void*>()) : nullptr;
}

TControl* ControlOfWidget(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (TControl* control = ControlOfPeer(widget))
            return control;
    return nullptr;
}

// ---- TControl --------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    // Events raised while the widget goes (a leave, say) no longer find this
    // control through it.
    if (peer_)
        peer_->setProperty(kControlProperty, QVariant());
    DetachFromParent();
    peer_.reset();
}

void TControl::AttachPeer(std::unique_ptr<QWidget> peer) {
    peer_ = std::move(peer);
    SetControlOfPeer(*peer_, this);
    peer_->setFont(font_.ToQFont());
    peer_->setGeometry(left_, top_, width_, height_);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (peer_)
        peer_->setGeometry(left_, top_, width_ < 0 ? 0 : width_, height_ < 0 ? 0 : height_);
    if (resized)
        Resize();
}

void TControl::SetBoundsFields(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    DetachFromParent();
    parent_ = parent;
    if (!parent_)
        return;
    parent_->controls_.push_back(this);
    if (parentShowHint_ && showHint_ != parent_->showHint_) {
        showHint_ = parent_->showHint_;
        ShowHintChanged();
    }
    if (peer_)
        parent_->AdoptPeer(*this);
}

void TWinControl::AdoptPeer(TControl& child) {
    QWidget* peer = child.Peer();
    peer->setParent(ClientPeer());
    peer->setGeometry(child.Left(), child.Top(), std::max(0, child.Width()),
                      std::max(0, child.Height()));
    peer->setVisible(child.Visible());
}

void TWinControl::SetFocus() {
    if (Peer())
        Peer()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::PassFocusTo(TWinControl& target) {
    Peer()->setFocusPolicy(Qt::NoFocus);
    Peer()->setFocusProxy(target.Peer());
}

bool TWinControl::CanFocus() const {
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return Peer() && Peer()->hasFocus();
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::EnabledChanged() {
    if (peer_)
        peer_->setEnabled(enabled_);
}

void TControl::DetachFromParent() {
    if (!parent_)
        return;
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
    if (peer_)
        peer_->setParent(nullptr);
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (peer_ && parent_)
        peer_->setVisible(visible);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    FontChanged();
}

void TControl::FontChanged() {
    if (peer_)
        peer_->setFont(font_.ToQFont());
    Invalidate();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    ColorChanged();
}

void TControl::SetShowHint(bool show) {
    if (show == showHint_)
        return;
    showHint_ = show;
    parentShowHint_ = false;
    ShowHintChanged();
}

void TControl::SetParentShowHint(bool parentShowHint) {
    parentShowHint_ = parentShowHint;
    if (parentShowHint_ && parent_ && showHint_ != parent_->showHint_) {
        showHint_ = parent_->showHint_;
        ShowHintChanged();
    }
}

void TControl::ShowHintChanged() {
    auto* container = dynamic_cast<TWinControl*>(this);
    if (!container)
        return;
    for (TControl* child : container->controls_)
        if (child->parentShowHint_ && child->showHint_ != showHint_) {
            child->showHint_ = showHint_;
            child->ShowHintChanged();
        }
}

TPoint TControl::ClientToScreen(TPoint point) const {
    if (const auto origin = KeptClientOrigin())
        return {origin->X + point.X, origin->Y + point.Y};
    const QWidget* widget = ClientWidget(*this);
    if (!widget)
        return point;
    const QPoint global = widget->mapToGlobal(QPoint(point.X, point.Y));
    return {global.x(), global.y()};
}

TPoint TControl::ScreenToClient(TPoint point) const {
    if (const auto origin = KeptClientOrigin())
        return {point.X - origin->X, point.Y - origin->Y};
    const QWidget* widget = ClientWidget(*this);
    if (!widget)
        return point;
    const QPoint local = widget->mapFromGlobal(QPoint(point.X, point.Y));
    return {local.x(), local.y()};
}

void TControl::Invalidate() {
    if (peer_)
        peer_->update();
}

void TControl::InvalidateRect(const TRect& rect) {
    if (peer_)
        peer_->update(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TControl::Repaint() {
    if (peer_)
        peer_->repaint();
}

// ---- painting ------------------------------------------------------------

TPaintPeer::TPaintPeer(TControl& control) : control_(control) {}

void TPaintPeer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    control_.PaintOnScreen(painter);
}

TCanvas& TControl::Canvas() {
    if (!canvas_)
        canvas_ = std::make_unique<ScreenCanvas>();
    return *canvas_;
}

void TControl::PaintOnScreen(QPainter& painter) {
    Canvas();
    canvas_->painter = &painter;
    Paint();
    canvas_->painter = nullptr;
}

void TControl::AttachPaintPeer() {
    AttachPeer(std::make_unique<TPaintPeer>(*this));
}

void TControl::SetOpaque(bool opaque) {
    peer_->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    peer_->setAttribute(Qt::WA_NoSystemBackground, opaque);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
    AttachPaintPeer();
}

// ---- TWinControl -----------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    while (!controls_.empty())
        controls_.back()->SetParent(nullptr);
}

} // namespace orv
