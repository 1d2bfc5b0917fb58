// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Forms.h"

#include <QWidget>

namespace orv {

// The window behind a form: it passes the form its keys, its window
// system's events (moves, sizes, activation, state changes, closing) and
// the focus as it moves among the form's controls.
class TForm::FormWidget final : public QWidget {
public:
    explicit FormWidget(TForm& form);

    void MoveFocus(bool forward) { focusNextPrevChild(forward); }
    void StopWatchingFocus() { disconnect(focusWatch_); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    TForm& form_;
    QMetaObject::Connection focusWatch_;
    bool rereadQueued_ = false;
};

} // namespace orv
