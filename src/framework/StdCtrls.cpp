// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StdCtrls.h"

#include "Exceptions.h"
#include "Forms.h"
#include "Keys.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace orv {
namespace {

constexpr const char* kEllipsis = "…";

// Drops whole characters from the end until the text and "…" fit, so a
// translation longer than the stored layout allows is shortened, not cut.
std::string FitText(const TCanvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width)
        return text;
    std::string kept = text;
    while (!kept.empty()) {
        // A UTF-8 character's continuation bytes, then its first byte.
        while ((static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80 && kept.size() > 1)
            kept.pop_back();
        kept.pop_back();
        if (canvas.TextWidth(kept + kEllipsis) <= width)
            break;
    }
    return kept + kEllipsis;
}

// A widget's text shortened to what its text area holds; "&" marks stay.
// Qt's eliding counts an access key's "&" as if it were drawn, so a caption
// that fits is measured as shown first.
QString FitWidgetText(const QString& text, const QWidget& widget, int textWidth) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (metrics.size(Qt::TextShowMnemonic, text).width() <= textWidth)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, std::max(textWidth, 0), Qt::TextShowMnemonic);
}

} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_)
        return;
    Canvas().Font() = Font();
    const TSize extent = Canvas().TextExtent(caption_.empty() ? " " : caption_);
    SetBounds(Left(), Top(), caption_.empty() ? Width() : extent.cx, extent.cy);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font() = Font();
    canvas.Brush() = {Color(), transparent_ ? TBrushStyle::bsClear : TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.Brush().Style = TBrushStyle::bsClear;
    const std::string shown = autoSize_ ? caption_ : FitText(canvas, caption_, Width());
    const int textWidth = canvas.TextWidth(shown);
    int x = 0;
    if (alignment_ == TAlignment::taCenter)
        x = (Width() - textWidth) / 2;
    else if (alignment_ == TAlignment::taRightJustify)
        x = Width() - textWidth;
    canvas.TextOut(x, TextTop(canvas), shown);
}

std::string TLabel::ShownCaption() {
    Canvas().Font() = Font();
    return autoSize_ ? caption_ : FitText(Canvas(), caption_, Width());
}

// A font whose cell is taller than a fixed-size label would lose the bottom
// rows of its glyphs: the text moves up into the empty top of its cell, as far
// as its ink allows.
int TLabel::TextTop(TCanvas& canvas) const {
    if (autoSize_ || caption_.empty() || canvas.TextHeight(caption_) <= Height())
        return 0;
    const TRect ink = canvas.TextInk(caption_);
    return std::max(-ink.Top, std::min(0, Height() - ink.Bottom));
}

// ---- TButton ---------------------------------------------------------------

namespace {

// A Qt button or box whose caption is shortened to what its text area
// holds, again whenever its size or font changes.
template <class Base> class FittedTextPeer : public Base {
public:
    void SetFullText(const QString& text) {
        full_ = text;
        Fit();
    }

protected:
    // The width left for the caption.
    virtual int TextArea() const = 0;

    void resizeEvent(QResizeEvent* event) override {
        Base::resizeEvent(event);
        Fit();
    }
    void changeEvent(QEvent* event) override {
        Base::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            Fit();
    }

private:
    void Fit() { this->setText(FitWidgetText(full_, *this, TextArea())); }

    QString full_;
};

// Enter presses the focused button, as on every desktop's dialogs; other keys
// go on to the form.
class ButtonPeer : public FittedTextPeer<QPushButton> {
public:
    explicit ButtonPeer(TButton& button) : button_(button) {
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QPushButton::clicked, [this] { button_.Click(); });
    }

protected:
    int TextArea() const override {
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
        return width() - 2 * frame - margin;
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            button_.Click();
            return;
        }
        if (event->key() == Qt::Key_Space) {
            QPushButton::keyPressEvent(event);
            return;
        }
        event->ignore();
    }

private:
    TButton& button_;
};

class CheckBoxPeer : public FittedTextPeer<QCheckBox> {
protected:
    int TextArea() const override {
        const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
        const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
        return width() - indicator - spacing;
    }
};

TForm* FormOf(TControl& control) {
    for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        if (auto* form = dynamic_cast<TForm*>(parent))
            return form;
    return nullptr;
}

} // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    AttachPeer(std::make_unique<ButtonPeer>(*this));
}

void TButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<ButtonPeer*>(Peer())->SetFullText(QString::fromStdString(caption));
}

std::string TButton::ShownCaption() const {
    return static_cast<const QPushButton*>(Peer())->text().toStdString();
}

void TButton::Click() {
    if (!Enabled())
        return;
    if (OnClick)
        OnClick(this);
    if (modalResult_ != 0)
        if (TForm* form = FormOf(*this))
            form->SetModalResult(modalResult_);
}

bool TButton::DialogChar(int key) {
    if (!IsAccel(key, caption_))
        return false;
    Click();
    return true;
}

// ---- TCheckBox -------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    auto peer = std::make_unique<CheckBoxPeer>();
    peer->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(peer.get(), &QCheckBox::toggled, [this](bool on) { SetChecked(on); });
    AttachPeer(std::move(peer));
}

void TCheckBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<CheckBoxPeer*>(Peer())->SetFullText(QString::fromStdString(caption));
}

std::string TCheckBox::ShownCaption() const {
    return static_cast<const QCheckBox*>(Peer())->text().toStdString();
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    static_cast<QCheckBox*>(Peer())->setChecked(checked);
    if (OnClick)
        OnClick(this);
}

bool TCheckBox::DialogChar(int key) {
    if (!IsAccel(key, caption_))
        return false;
    SetFocus();
    SetChecked(!checked_);
    return true;
}

// ---- TGroupBox -------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    AttachPaintPeer();
}

void TGroupBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void TGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font() = Font();
    const TSize text = canvas.TextExtent(caption_.empty() ? " " : caption_);
    const int top = text.cy / 2;
    // The top line stops short of the caption, so the caption stands on
    // whatever lies behind the box (a page's colour, say).
    const int gapLeft = caption_.empty() ? Width() : 6;
    const int gapRight = caption_.empty() ? Width() : 10 + text.cx;
    const auto topLine = [&](int left, int y, int right) {
        canvas.FillRect({left, y, std::min(right, gapLeft), y + 1});
        if (gapRight < right)
            canvas.FillRect({std::max(left, gapRight), y, right, y + 1});
    };
    // An etched frame: a dark line with a light one just inside it.
    canvas.Brush() = {RGB(128, 128, 128), TBrushStyle::bsSolid};
    topLine(0, top, Width() - 1);
    canvas.FillRect({0, top, 1, Height() - 1});
    canvas.FillRect({0, Height() - 2, Width() - 1, Height() - 1});
    canvas.FillRect({Width() - 2, top, Width() - 1, Height() - 1});
    canvas.Brush() = {clWhite, TBrushStyle::bsSolid};
    topLine(1, top + 1, Width() - 2);
    canvas.FillRect({1, top + 1, 2, Height() - 2});
    canvas.FillRect({0, Height() - 1, Width(), Height()});
    canvas.FillRect({Width() - 1, top, Width(), Height()});
    if (caption_.empty())
        return;
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.TextOut(8, 0, caption_);
}

// ---- TScrollBar ------------------------------------------------------------

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
