// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Buttons.h"

#include "framework/app/Keys.h"
#include "framework/controls/Forms.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

namespace orv {
namespace {

// A widget's text shortened to what its text area holds; "&" marks stay.
// Qt's eliding counts an access key's "&" as if it were drawn, so a caption
// that fits is measured as shown first.
QString FitWidgetText(const QString& text, const QWidget& widget, int textWidth) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (metrics.size(Qt::TextShowMnemonic, text).width() <= textWidth)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, std::max(textWidth, 0), Qt::TextShowMnemonic);
}

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

} // namespace orv
