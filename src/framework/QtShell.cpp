#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace orv {
namespace {

class TQtShell final : public IShell {
public:
    void Open(const std::string& path) override {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
};

} // namespace

std::unique_ptr<IShell> CreateQtShell() {
    return std::make_unique<TQtShell>();
}

} // namespace orv
