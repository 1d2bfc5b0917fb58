// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

namespace orv {

enum class TTitleButton : std::uint8_t { Minimize, Maximize, Close };

// Which buttons a window's title bar offers.
struct TTitleButtons {
    bool Minimize = false;
    bool Maximize = false;
    bool Close = true;
    bool Has(TTitleButton button) const;
};

// A title bar the program draws along the top of one of its own frameless
// windows, where the desktop's would offer buttons the window does not have
// (Qt's title bar under Wayland always offers to maximise). It shows the
// window's icon and title and the buttons asked for, moves the window when
// dragged (not on a mere click), and never takes the focus.
class TTitleBar final : public QWidget {
public:
    // A child of window, which owns it; the window must be frameless.
    TTitleBar(QWidget& window, TTitleButtons buttons);

    // The bar along a window's top, if it has one.
    static TTitleBar* Of(const QWidget& window);

    void SetButtons(TTitleButtons buttons);
    // Where a button is, in the bar; empty for one the bar does not have.
    QRect ButtonRect(TTitleButton button) const;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<TTitleButton> ButtonAt(QPoint point) const;
    void Press(TTitleButton button);
    void StartMove(QPoint pressedAt, QPoint now);
    void ToggleMaximized();
    void PaintButton(QPainter& painter, TTitleButton button, const QColor& ink) const;

    QWidget& window_;
    TTitleButtons buttons_;
    std::optional<TTitleButton> pressed_;
    std::optional<TTitleButton> hovered_;
    // Where the button went down on the bar, until the pointer moves on.
    std::optional<QPoint> pressedAt_;
    // Where a drag took hold of the window, when the window system cannot
    // move it itself.
    std::optional<QPoint> dragOffset_;
};

} // namespace orv
