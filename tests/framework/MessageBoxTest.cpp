// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/MessageBox.h"
#include "OwnTitleBars.h"
#include "framework/internal/TitleBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
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
        EXPECT_GT(needed, 0) << "the box was never seen";
        EXPECT_GE(width, needed) << caption;
    }
}

// Where the program draws the title bars, a message box has one with only the
// close box, nothing of the box under it, and the close box answers as Esc.
TEST(QtMessageBox, OwnTitleBarHasOnlyTheCloseBoxAndClosingCancels) {
    const test::OwnTitleBars own;
    const auto service = CreateQtMessageBox();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* bar = TTitleBar::Of(*box);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(bar->ButtonRect(TTitleButton::Minimize).isEmpty());
        EXPECT_TRUE(bar->ButtonRect(TTitleButton::Maximize).isEmpty());
        EXPECT_EQ(bar->width(), box->width());
        for (const QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != bar && child->isVisible()) {
                EXPECT_GE(child->y(), bar->height()) << child->metaObject()->className();
            }
        checked = true;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ButtonRect(TTitleButton::Close).center());
        // A close box that did nothing must not leave the test waiting.
        if (box->isVisible())
            box->done(QMessageBox::Ok);
    });
    const int answer = service->Show("INIファイルが違います", "ORBIT RAVEN", MB_OKCANCEL);
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, IDCANCEL);
}

} // namespace
} // namespace orv
