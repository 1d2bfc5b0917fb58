// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Hints.h"

#include "framework/controls/Controls.h"
#include "framework/drawing/Font.h"
#include "framework/internal/Peers.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace orv {
namespace {

// The hint sits this far below the mouse, clear of the cursor's picture.
constexpr int kBelowCursor = 20;
const QColor kHintBackground(255, 255, 225);

// A pale box with a black line round it and one line of text.
class HintWindow : public QWidget {
public:
    HintWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget |
                               Qt::WindowDoesNotAcceptFocus | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFont(TFont().ToQFont());
    }

    void SetText(const QString& text) {
        text_ = text;
        const QFontMetrics metrics(font());
        resize(metrics.horizontalAdvance(text_) + 8, metrics.height() + 4);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kHintBackground);
        painter.fillRect(0, 0, width(), 1, Qt::black);
        painter.fillRect(0, height() - 1, width(), 1, Qt::black);
        painter.fillRect(0, 0, 1, height(), Qt::black);
        painter.fillRect(width() - 1, 0, 1, height(), Qt::black);
        painter.setPen(Qt::black);
        painter.drawText(4, 2 + QFontMetrics(font()).ascent(), text_);
    }

private:
    QString text_;
};

TPoint ToPoint(const QPointF& p) {
    return {static_cast<int>(p.x()), static_cast<int>(p.y())};
}

} // namespace

// Watches the mouse and the keyboard for the whole application and runs the
// manager's two timers.
class THintManager::Impl : public QObject {
public:
    explicit Impl(THintManager& owner) : owner_(owner) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { owner_.RunPendingStep(); });
        qApp->installEventFilter(this);
    }
    ~Impl() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget == &window)
            return false;
        switch (event->type()) {
        case QEvent::ToolTip:
            return true; // hints are ours alone
        case QEvent::Enter:
            lastPos_ = ToPoint(static_cast<QEnterEvent*>(event)->globalPosition());
            owner_.MouseOver(ControlOfWidget(widget), lastPos_);
            break;
        case QEvent::Leave:
            // Back onto the parent, or out of the window altogether.
            owner_.MouseOver(widget->isWindow() ? nullptr : ControlOfWidget(widget->parentWidget()),
                             lastPos_);
            break;
        case QEvent::MouseMove:
            lastPos_ = ToPoint(static_cast<QMouseEvent*>(event)->globalPosition());
            owner_.MouseMoved(lastPos_);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            owner_.HideHint();
            break;
        case QEvent::WindowDeactivate:
            // A dialog coming up deactivates its owner just after the mouse
            // entered it: only a hint already up goes.
            if (window.isVisible())
                owner_.HideHint();
            break;
        case QEvent::Hide:
        case QEvent::Close:
            if (widget->isWindow() && current && current->window() == widget)
                owner_.CancelHint();
            break;
        default:
            break;
        }
        return false;
    }

    void ShowAt(const QString& text, TPoint mouse) {
        window.SetText(text);
        QPoint place(mouse.X, mouse.Y + kBelowCursor);
        if (const QScreen* screen = QGuiApplication::screenAt(QPoint(mouse.X, mouse.Y))) {
            const QRect area = screen->availableGeometry();
            place.setX(
                std::max(area.left(), std::min(place.x(), area.right() + 1 - window.width())));
            if (place.y() + window.height() > area.bottom() + 1)
                place.setY(mouse.Y - window.height());
        }
        window.move(place);
        // Wayland places a hint only next to a window of ours.
        window.winId();
        if (current && current->window()->windowHandle())
            window.windowHandle()->setTransientParent(current->window()->windowHandle());
        window.show();
        window.raise();
    }

    THintManager& owner_;
    QTimer timer_;
    HintWindow window;
    QPointer<QWidget> current; // the hint control's widget
    TPoint lastPos_;
};

THintManager::THintManager() : impl_(std::make_unique<Impl>(*this)) {}

THintManager::~THintManager() = default;

void THintManager::SetShowHint(bool show) {
    showHint_ = show;
    if (!show)
        CancelHint();
}

void THintManager::MouseOver(TControl* control, TPoint screenPos) {
    mousePos_ = screenPos;
    TControl* next = showHint_ ? HintControlOf(control) : nullptr;
    if (!next || !next->Peer()) {
        CancelHint();
        return;
    }
    if (next == HintControl())
        return;
    CancelHint();
    impl_->current = next->Peer();
    Schedule(TStep::stShow, hintPause_);
}

void THintManager::MouseMoved(TPoint screenPos) {
    if (pending_ == TStep::stShow)
        mousePos_ = screenPos;
}

void THintManager::CancelHint() {
    HideHint();
    impl_->current = nullptr;
}

void THintManager::HideHint() {
    Schedule(TStep::stNone, 0);
    impl_->window.hide();
    shownText_.clear();
}

void THintManager::Schedule(TStep step, int delay) {
    pending_ = step;
    pendingDelay_ = std::max(0, delay);
    if (step == TStep::stNone)
        impl_->timer_.stop();
    else
        impl_->timer_.start(pendingDelay_);
}

void THintManager::RunPendingStep() {
    const TStep step = pending_;
    Schedule(TStep::stNone, 0);
    if (step == TStep::stShow)
        ShowStep();
    else if (step == TStep::stHide)
        HideHint();
}

void THintManager::ShowStep() {
    const TControl* control = HintControl();
    if (!showHint_ || !control)
        return;
    const std::string text = HintTextOf(*control);
    if (text.empty())
        return;
    impl_->ShowAt(QString::fromStdString(text), mousePos_);
    shownText_ = text;
    Schedule(TStep::stHide, hintHidePause_);
}

TControl* THintManager::HintControl() const {
    return impl_->current ? ControlOfPeer(impl_->current) : nullptr;
}

bool THintManager::HintShowing() const {
    return impl_->window.isVisible();
}

TRect THintManager::HintBounds() const {
    const QRect r = impl_->window.geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

TControl* HintControlOf(TControl* control) {
    while (control && !control->ShowHint())
        control = control->Parent();
    return control;
}

std::string HintTextOf(const TControl& control) {
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Hint().empty())
            return c->Hint().substr(0, c->Hint().find('|'));
    return {};
}

} // namespace orv
