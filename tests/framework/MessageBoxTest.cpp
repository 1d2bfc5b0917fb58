#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

namespace orv {
namespace {

// Window managers put an icon and three buttons beside the caption.
constexpr int kTitleBarRoom = 4 * 20;

TEST(QtMessageBox, IsWideEnoughForItsWholeCaption) {
    const auto service = CreateQtMessageBox();
    for (const char* caption : {"ORBIT RAVEN", "設定ファイルを保存できませんでした"}) {
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QFont bold = box->font();
            bold.setBold(true);
            needed = QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + kTitleBarRoom;
            width = box->width();
            box->accept();
        });
        EXPECT_EQ(service->Show("INIファイルが違います", caption, MB_OK), IDOK);
        EXPECT_GE(width, needed) << caption;
    }
}

} // namespace
} // namespace orv
