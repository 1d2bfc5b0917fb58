// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/MessageWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace orv {

class TMessageWindow::Receiver : public QObject {
public:
    explicit Receiver(Handler handler) : handler_(std::move(handler)) {}

    bool event(QEvent* event) override {
        const int type = static_cast<int>(event->type());
        if (type < QEvent::User || type > QEvent::MaxUser)
            return QObject::event(event);
        handler_(type);
        return true;
    }

private:
    Handler handler_;
};

TMessageWindow::TMessageWindow(Handler handler)
    : receiver_(std::make_unique<Receiver>(std::move(handler))) {}

// QObject's destructor removes the events still posted to it.
TMessageWindow::~TMessageWindow() = default;

void TMessageWindow::Post(int message) const {
    // Qt never compresses user-type events, so each post is one delivery.
    QCoreApplication::postEvent(receiver_.get(), new QEvent(static_cast<QEvent::Type>(message)));
}

} // namespace orv
