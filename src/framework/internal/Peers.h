// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt widgets behind the framework's controls. Private to the framework.

#include <QWidget>

namespace orv {

class TControl;

// Every peer knows its control, so events on Qt's widgets (and on the inner
// widgets Qt builds, such as a tab widget's pages) lead back to it.
void SetControlOfPeer(QWidget& peer, TControl* control);
// The control of widget or of its nearest parent widget that has one.
TControl* ControlOfWidget(const QWidget* widget);
// The control whose peer widget is; null for any other widget.
TControl* ControlOfPeer(const QWidget* widget);

// Forwards its paint events to a control that draws itself.
class TPaintPeer : public QWidget {
public:
    explicit TPaintPeer(TControl& control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TControl& control_;
};

} // namespace orv
