// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A session that ends badly: the X server is killed under the program right
// after a game over with a new high score, and the next start has it.

#include "Driver.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>

#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

namespace orv::e2e {
namespace {

// A rectangle of the screen of another X server than the test's own.
QImage GrabDisplay(const QString& display, const QRect& rect) {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection(
        xcb_connect(display.toUtf8().constData(), &screenNumber), xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return {};
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screen);
    const auto cookie = xcb_get_image(
        connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, screen.data->root,
        static_cast<int16_t>(rect.x()), static_cast<int16_t>(rect.y()),
        static_cast<uint16_t>(rect.width()), static_cast<uint16_t>(rect.height()), ~0U);
    const std::unique_ptr<xcb_get_image_reply_t, void (*)(void*)> reply(
        xcb_get_image_reply(connection.get(), cookie, nullptr), std::free);
    // Xvfb's 24-bit screens come as 32 bits a pixel.
    if (!reply || xcb_get_image_data_length(reply.get()) < rect.width() * rect.height() * 4)
        return {};
    return QImage(xcb_get_image_data(reply.get()), rect.width(), rect.height(), rect.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

QRect HiScoreLabel(const Program& program) {
    return {QPoint(program.X(), program.Y()) + program.ClientOrigin() + QPoint(420, 192),
            QSize(181, 24)};
}

TEST(WholeProgram, ANewHighScoreOutlivesTheXServer) {
    QProcess xvfb;
    const QString display = StartOwnXServer(xvfb);
    ASSERT_FALSE(display.isEmpty()) << "no second X server";
    const QByteArray ownDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", display.toUtf8());
    QProcess windowManager;
    windowManager.start("openbox", {});
    Wait(800);
    Program program;
    const bool shown = program.WaitForWindow();
    const QImage zero = GrabDisplay(display, HiScoreLabel(program));

    // Fire until the enemy is hit and the panel shows a new high score;
    // Space starts a new game after a lost one.
    bool scored = false;
    QElapsedTimer clock;
    clock.start();
    while (shown && !zero.isNull() && !scored && clock.elapsed() < 40000) {
        program.Key("space");
        RunTool("xdotool", {"keydown", "z"});
        for (int i = 0; i < 20 && !scored; ++i) {
            Wait(250);
            scored = GrabDisplay(display, HiScoreLabel(program)) != zero;
        }
        RunTool("xdotool", {"keyup", "z"});
    }
    if (scored)
        program.Key("g");
    xvfb.kill();
    xvfb.waitForFinished(3000);
    windowManager.waitForFinished(3000);
    qputenv("DISPLAY", ownDisplay);
    ASSERT_TRUE(shown) << "no window appeared";
    ASSERT_FALSE(zero.isNull()) << "the second X server's screen could not be read";
    ASSERT_TRUE(scored) << "no enemy hit in 40 s";
    ASSERT_TRUE(program.WaitForExit(10000)) << "the program outlived its X server";

    const QByteArray settings = program.SettingsFile();
    const auto found = QRegularExpression("HiScore=([1-9][0-9]*)\r\n").match(settings);
    ASSERT_TRUE(found.hasMatch()) << settings.toStdString();

    // The next start shows it and keeps it.
    Program next(QProcessEnvironment::systemEnvironment(), settings);
    ASSERT_TRUE(next.WaitForWindow());
    EXPECT_NE(GrabScreen(HiScoreLabel(next)).convertToFormat(QImage::Format_RGB32), zero)
        << "the high score is not shown";
    next.Terminate();
    ASSERT_TRUE(next.WaitForExit(10000));
    EXPECT_TRUE(next.SettingsFile().contains("HiScore=" + found.captured(1).toLatin1() + "\r\n"))
        << next.SettingsFile().toStdString();
}

} // namespace
} // namespace orv::e2e
