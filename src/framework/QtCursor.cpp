#include "Cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace orv {
namespace {

class TQtCursor final : public ICursor {
public:
    TPoint Pos() const override {
        const QPoint pos = QCursor::pos();
        return {pos.x(), pos.y()};
    }

    void SetPos(TPoint pos) override {
        if (CanPlace())
            QCursor::setPos(pos.X, pos.Y);
    }

    bool CanPlace() const override {
        return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
};

} // namespace

std::unique_ptr<ICursor> CreateQtCursor() {
    return std::make_unique<TQtCursor>();
}

} // namespace orv
