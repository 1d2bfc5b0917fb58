// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/MessageBox.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"
#include "framework/internal/TitleBar.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace orv {
namespace {

QMessageBox::Icon IconOf(unsigned flags) {
    switch (flags & 0xF0u) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Room a title bar needs besides its caption: an icon and three buttons at
// either end, a little more on most window managers.
constexpr int kTitleBarButtons = 5;

// Window managers elide a caption wider than the title bar: a short message
// still gets a box wide enough for its caption.
void FitCaption(QMessageBox& box, const QString& caption) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true); // title bars mostly use a bold face
    const int buttons = kTitleBarButtons * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int width = QFontMetrics(titleFont).horizontalAdvance(caption) + buttons;
    // The layout's minimum width is the widest row; this row is empty.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// Where the program draws its title bars, a message box has one with only
// its close box, above the box's own margin.
void GiveOwnTitleBar(QMessageBox& box) {
    if (!TApplication::Exists() || !Application().OwnTitleBars())
        return;
    box.setWindowFlag(Qt::FramelessWindowHint);
    const auto* bar = new TTitleBar(box, {}); // owned by the box (Qt parent)
    QMargins margins = box.layout()->contentsMargins();
    margins.setTop(margins.top() + bar->sizeHint().height());
    box.layout()->setContentsMargins(margins);
}

class TQtMessageBox final : public IMessageBox {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        // Its parent makes it a dialog of the window that opened it.
        QMessageBox box(IconOf(flags), QString::fromStdString(caption),
                        QString::fromStdString(text), QMessageBox::NoButton);
        box.setParent(OpenerWindow(box), box.windowFlags());
        switch (flags & 0x0Fu) {
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
        }
        FitCaption(box, box.windowTitle());
        GiveOwnTitleBar(box);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return IDOK;
        }
    }
};

} // namespace

std::unique_ptr<IMessageBox> CreateQtMessageBox() {
    return std::make_unique<TQtMessageBox>();
}

} // namespace orv
