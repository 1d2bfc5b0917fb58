// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/ScrollBar.h"

#include "framework/app/Keys.h"
#include "framework/texts/Exceptions.h"

#include <algorithm>
#include <optional>

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace orv {
namespace {

class ScrollBarPeer : public QScrollBar {
public:
    explicit ScrollBarPeer(TScrollBar& bar) : QScrollBar(Qt::Horizontal), bar_(bar) {
        setFocusPolicy(Qt::StrongFocus);
        // A desktop scroll bar control has no menu of its own.
        setContextMenuPolicy(Qt::NoContextMenu);
        setRange(0, 100);
        setSingleStep(1);
        setPageStep(1);
        connect(this, &QScrollBar::valueChanged, [this] {
            if (bar_.OnChange)
                bar_.OnChange(&bar_);
        });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int original = VirtualKeyFromQt(event->key());
        int key = original;
        if (original && bar_.OnKeyDown)
            bar_.OnKeyDown(&bar_, key, ShiftFromQt(event->modifiers()));
        if (original && key == 0) {
            event->accept();
            return;
        }
        if (const auto action = ActionOf(key)) {
            triggerAction(*action);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
    }

    // Keys move the position the same way on either kind of bar: back on
    // Left, Up and Page Up, on with Right, Down and Page Down.
    static std::optional<SliderAction> ActionOf(int key) {
        switch (key) {
        case VK_LEFT:
        case VK_UP:
            return SliderSingleStepSub;
        case VK_RIGHT:
        case VK_DOWN:
            return SliderSingleStepAdd;
        case VK_PRIOR:
            return SliderPageStepSub;
        case VK_NEXT:
            return SliderPageStepAdd;
        case VK_HOME:
            return SliderToMinimum;
        case VK_END:
            return SliderToMaximum;
        default:
            return std::nullopt;
        }
    }

    // One notch of the wheel is one SmallChange and one change notification;
    // the wheel turned up raises the position. Fine-grained wheels add up
    // to whole notches.
    void wheelEvent(QWheelEvent* event) override {
        constexpr int kNotch = 120;
        const QPoint angle = event->angleDelta();
        int delta = angle.y() != 0 ? angle.y() : -angle.x();
        if (event->inverted())
            delta = -delta;
        wheelRest_ += delta;
        for (; wheelRest_ >= kNotch; wheelRest_ -= kNotch)
            triggerAction(SliderSingleStepAdd);
        for (; wheelRest_ <= -kNotch; wheelRest_ += kNotch)
            triggerAction(SliderSingleStepSub);
        event->accept();
    }

    // The style draws no focus on a scroll bar: a dotted frame inside the
    // thumb shows it, as desktop scroll bars do.
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                    QStyle::SC_ScrollBarSlider, this);
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(thumb.adjusted(2, 2, -3, -3));
    }

    void focusOutEvent(QFocusEvent* event) override {
        QScrollBar::focusOutEvent(event);
        if (bar_.OnExit)
            bar_.OnExit(&bar_);
    }

private:
    TScrollBar& bar_;
    int wheelRest_ = 0;
};

QScrollBar& BarOf(const TScrollBar& bar) {
    return *static_cast<QScrollBar*>(bar.Peer());
}

} // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    AttachPeer(std::make_unique<ScrollBarPeer>(*this));
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    kind_ = kind;
    BarOf(*this).setOrientation(kind == TScrollBarKind::sbHorizontal ? Qt::Horizontal
                                                                     : Qt::Vertical);
}

int TScrollBar::Position() const {
    return BarOf(*this).value();
}

int TScrollBar::Min() const {
    return BarOf(*this).minimum();
}

int TScrollBar::Max() const {
    return BarOf(*this).maximum();
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min)
        throw EInvalidOperation(Tr(FrameworkTexts::ScrollRangeInvalid));
    QScrollBar& bar = BarOf(*this);
    const int old = bar.value();
    // One notification for the whole change, with the final position.
    {
        const QSignalBlocker quiet(bar);
        bar.setRange(min, max);
        bar.setValue(std::clamp(position, min, max));
    }
    if (bar.value() != old && OnChange)
        OnChange(this);
}

int TScrollBar::SmallChange() const {
    return BarOf(*this).singleStep();
}

void TScrollBar::SetSmallChange(int change) {
    BarOf(*this).setSingleStep(change);
}

int TScrollBar::LargeChange() const {
    return BarOf(*this).pageStep();
}

void TScrollBar::SetLargeChange(int change) {
    BarOf(*this).setPageStep(change);
}

} // namespace orv
