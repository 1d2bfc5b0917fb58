// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a test reaches of a Wayland compositor with the compositor's own
// tools: sway's window tree and its virtual keyboard, screenshots of sway
// and of weston.

#include "Desktop.h"

#include <QImage>
#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QStringList>

namespace orv::e2e {

// A window in sway's tree by its title; empty when none came in the time.
QJsonObject SwayWindow(const DesktopSession& desktop, const QString& title, int timeoutMs = 5000);
bool SwayWindowGone(const DesktopSession& desktop, const QString& title);
// The window's border once sway and the program have agreed on who draws
// the title bar ("none" until then): "normal" is sway's, "csd" the client's.
QString SwayBorder(const DesktopSession& desktop, const QString& title);
QRect RectOf(const QJsonObject& node);
// Keys through the compositor's virtual keyboard (wtype's arguments).
void Type(const DesktopSession& desktop, const QStringList& args);
QImage SwayShot(const DesktopSession& desktop, const QRect& rect);
// weston's whole screen, through its screenshot protocol (weston --debug).
QImage WestonShot(const DesktopSession& desktop);

} // namespace orv::e2e
