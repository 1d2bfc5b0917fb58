// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/internal/TitleBar.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace orv {
namespace {

constexpr int kMargin = 6;
constexpr int kIconSize = 16;
// Desktop title buttons are a little wider than the bar is high.
constexpr double kButtonAspect = 1.4;
constexpr QRgb kCloseHover = 0xffc42b1c;

// Right to left, as desktops lay them out.
constexpr TTitleButton kRightToLeft[] = {TTitleButton::Close, TTitleButton::Maximize,
                                         TTitleButton::Minimize};

// The desktop's face, not the window's: every title bar looks alike.
QFont TitleFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

} // namespace

bool TTitleButtons::Has(TTitleButton button) const {
    switch (button) {
    case TTitleButton::Minimize:
        return Minimize;
    case TTitleButton::Maximize:
        return Maximize;
    case TTitleButton::Close:
        return Close;
    }
    return false;
}

TTitleBar::TTitleBar(QWidget& window, TTitleButtons buttons)
    : QWidget(&window), window_(window), buttons_(buttons) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    window_.installEventFilter(this);
    setGeometry(0, 0, window_.width(), sizeHint().height());
}

TTitleBar* TTitleBar::Of(const QWidget& window) {
    // Found by its type: the bar declares no meta-object of its own.
    for (QObject* child : window.children())
        if (auto* bar = dynamic_cast<TTitleBar*>(child))
            return bar;
    return nullptr;
}

void TTitleBar::SetButtons(TTitleButtons buttons) {
    buttons_ = buttons;
    pressed_.reset();
    hovered_.reset();
    update();
}

QSize TTitleBar::sizeHint() const {
    const int height = std::max(24, QFontMetrics(TitleFont()).height() + 10);
    return {window_.width(), height};
}

QRect TTitleBar::ButtonRect(TTitleButton button) const {
    if (!buttons_.Has(button))
        return {};
    const int h = height();
    const int w = static_cast<int>(std::lround(h * kButtonAspect));
    int right = width();
    for (const TTitleButton each : kRightToLeft) {
        if (!buttons_.Has(each))
            continue;
        if (each == button)
            return {right - w, 0, w, h};
        right -= w;
    }
    return {};
}

std::optional<TTitleButton> TTitleBar::ButtonAt(QPoint point) const {
    for (const TTitleButton each : kRightToLeft)
        if (ButtonRect(each).contains(point))
            return each;
    return std::nullopt;
}

bool TTitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(0, 0, window_.width(), sizeHint().height());
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange:
        case QEvent::WindowStateChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool active = window_.isActiveWindow();
    const QPalette& colors = palette();
    const QColor back = active ? colors.color(QPalette::Active, QPalette::Highlight)
                               : colors.color(QPalette::Inactive, QPalette::Window).darker(115);
    QColor ink = colors.color(QPalette::Active, QPalette::HighlightedText);
    if (!active) {
        ink = colors.color(QPalette::Inactive, QPalette::WindowText);
        ink.setAlpha(160);
    }
    painter.fillRect(rect(), back);

    int left = kMargin;
    const QIcon icon = window_.windowIcon();
    if (!icon.isNull()) {
        icon.paint(&painter, QRect(left, (height() - kIconSize) / 2, kIconSize, kIconSize));
        left += kIconSize + kMargin;
    }
    int right = width() - kMargin;
    for (const TTitleButton each : kRightToLeft)
        if (buttons_.Has(each))
            right = std::min(right, ButtonRect(each).left() - kMargin);
    painter.setFont(TitleFont());
    painter.setPen(ink);
    const QRect titleRect(left, 0, std::max(0, right - left), height());
    const QString title =
        painter.fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, titleRect.width());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);

    for (const TTitleButton each : kRightToLeft)
        if (buttons_.Has(each))
            PaintButton(painter, each, ink);
}

void TTitleBar::PaintButton(QPainter& painter, TTitleButton button, const QColor& ink) const {
    const QRect area = ButtonRect(button);
    QColor glyph = ink;
    if (pressed_ == button || (hovered_ == button && !pressed_)) {
        const bool close = button == TTitleButton::Close;
        QColor fill = close ? QColor::fromRgb(kCloseHover) : ink;
        if (!close)
            fill.setAlpha(pressed_ == button ? 96 : 48);
        else if (pressed_ == button)
            fill = fill.darker(120);
        painter.fillRect(area, fill);
        if (close)
            glyph = Qt::white;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn, not scaled from a picture, so it is sharp at every scale.
    const double size = std::round(area.height() * 0.34);
    const QPointF centre = QRectF(area).center();
    const QRectF box(centre.x() - size / 2, centre.y() - size / 2, size, size);
    QPen pen(glyph, std::max(1.0, area.height() / 20.0));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (button) {
    case TTitleButton::Minimize:
        painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
        break;
    case TTitleButton::Maximize:
        if (window_.isMaximized()) {
            // Two windows, the one behind showing only its top and right.
            const double step = std::round(size / 4);
            const QRectF front = box.adjusted(0, step, -step, 0);
            painter.drawRect(front);
            const QPointF behind[] = {{front.left() + step, front.top()},
                                      {front.left() + step, box.top()},
                                      {box.right(), box.top()},
                                      {box.right(), front.bottom() - step},
                                      {front.right(), front.bottom() - step}};
            painter.drawPolyline(behind, 5);
        } else {
            painter.drawRect(box);
        }
        break;
    case TTitleButton::Close:
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.bottomLeft(), box.topRight());
        break;
    }
    painter.restore();
}

void TTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = ButtonAt(event->position().toPoint());
    if (pressed_) {
        update();
        return;
    }
    // The move starts once the pointer has gone some way with the button
    // held: a window system asked to move a window after the button is up
    // already (a quick click) would leave it stuck to the pointer.
    pressedAt_ = event->globalPosition().toPoint();
}

void TTitleBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        pressedAt_.reset();
        dragOffset_.reset();
    } else if (pressedAt_ &&
               (global - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        StartMove(*pressedAt_, global);
        pressedAt_.reset();
    }
    if (dragOffset_) {
        window_.move(global - *dragOffset_);
        return;
    }
    const auto hovered = ButtonAt(event->position().toPoint());
    if (hovered != hovered_) {
        hovered_ = hovered;
        update();
    }
}

// The window system moves the window where it can (Wayland only lets it),
// from where the pointer is now: the window first catches up with the way
// the pointer went before the move began. Elsewhere the bar follows the
// pointer itself.
void TTitleBar::StartMove(QPoint pressedAt, QPoint now) {
    QWindow* handle = window_.windowHandle();
    const QPoint start = window_.pos();
    window_.move(start + now - pressedAt);
    if (!handle || !handle->startSystemMove())
        dragOffset_ = pressedAt - start;
}

void TTitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_.reset();
    dragOffset_.reset();
    const auto pressed = pressed_;
    pressed_.reset();
    update();
    // Released where it was pressed, as a push button; the window may be
    // gone once the button has done its work.
    if (pressed && pressed == ButtonAt(event->position().toPoint()))
        Press(*pressed);
}

void TTitleBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto button = ButtonAt(event->position().toPoint())) {
        pressed_ = button;
        update();
    } else if (buttons_.Maximize) {
        ToggleMaximized();
    }
}

void TTitleBar::leaveEvent(QEvent*) {
    hovered_.reset();
    update();
}

void TTitleBar::Press(TTitleButton button) {
    switch (button) {
    case TTitleButton::Minimize:
        window_.setWindowState(window_.windowState() | Qt::WindowMinimized);
        break;
    case TTitleButton::Maximize:
        ToggleMaximized();
        break;
    case TTitleButton::Close:
        window_.close();
        break;
    }
}

void TTitleBar::ToggleMaximized() {
    window_.setWindowState(window_.windowState() ^ Qt::WindowMaximized);
}

} // namespace orv
