#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

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

class TQtMessageBox final : public IMessageBox {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        QMessageBox box(IconOf(flags), QString::fromStdString(caption),
                        QString::fromStdString(text), QMessageBox::NoButton,
                        QApplication::activeWindow());
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
