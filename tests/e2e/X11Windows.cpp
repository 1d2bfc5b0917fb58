// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Windows.h"

#include "Driver.h"

#include <QRegularExpression>

namespace orv::e2e {
namespace {

// Every window id or number after the '=' or '#' of xprop's answer.
QList<unsigned> Values(const QString& answer) {
    QList<unsigned> values;
    const QString list = answer.section(QRegularExpression("[=#]"), 1);
    for (const QString& word : list.split(',', Qt::SkipEmptyParts))
        values << word.trimmed().toUInt(nullptr, 0);
    return values;
}

} // namespace

X11Window::X11Window(const QString& id) : id_(id.trimmed().toUInt(nullptr, 0)) {}

QString X11Window::Property(const char* name) const {
    return RunTool("xprop", {"-id", QString::number(id_), name});
}

unsigned X11Window::TransientFor() const {
    const QList<unsigned> values = Values(Property("WM_TRANSIENT_FOR"));
    return values.isEmpty() ? 0 : values.first();
}

FrameExtents X11Window::Frame() const {
    const QList<unsigned> v = Values(Property("_NET_FRAME_EXTENTS"));
    if (v.size() != 4)
        return {};
    return {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
            static_cast<int>(v[3])};
}

QRect X11Window::ClientRect() const {
    QRect rect;
    ReadWindowRect(QString::number(id_), rect);
    return rect;
}

QRect X11Window::FrameRect() const {
    const FrameExtents f = Frame();
    return ClientRect().adjusted(-f.left, -f.top, f.right, f.bottom);
}

bool X11Window::Viewable() const {
    return RunTool("xwininfo", {"-id", QString::number(id_)}).contains("Map State: IsViewable");
}

bool X11Window::Iconic() const {
    return Property("WM_STATE").contains("Iconic");
}

QList<unsigned> RootWindowList(const char* property) {
    return Values(RunTool("xprop", {"-root", property}));
}

} // namespace orv::e2e
