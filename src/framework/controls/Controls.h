// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"
#include "framework/core/Types.h"
#include "framework/drawing/Canvas.h"
#include "framework/drawing/Font.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QWidget;

namespace orv {

class TWinControl;

// A key event: the handler may set key to 0 to consume the key.
using TKeyEvent = std::function<void(TObject* sender, int& key, unsigned shift)>;

// A visible control. Its bounds are kept here and mirrored onto a Qt widget
// (the peer), which is what actually appears on the screen.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The balloon hint. A control shows hints when ShowHint is on; with
    // ParentShowHint (the default) it takes its parent's ShowHint, and
    // setting ShowHint to a new value ends that. An empty hint shows the
    // nearest parent's.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint);

    // Asks for a paint when the event loop next runs.
    void Invalidate();
    // The same for a part of the control only.
    void InvalidateRect(const TRect& rect);
    // Paints at once, before returning, when the control is on the screen.
    void Repaint();

    QWidget* Peer() const { return peer_.get(); }

    // Between this control's client coordinates and the screen's.
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    // A dialog's letter key pressed without Ctrl: a control whose caption
    // underlines it acts on it and says so.
    virtual bool DialogChar(int /*key*/) { return false; }

    // The screen canvas; it draws only while the control paints.
    TCanvas& Canvas();
    // Called by a painting peer's paint event.
    void PaintOnScreen(QPainter& painter);

protected:
    // Controls that draw themselves override this and use Canvas.
    virtual void Paint() {}
    // Gives the control a widget that paints through Paint.
    void AttachPaintPeer();
    void SetOpaque(bool opaque);
    // Each concrete control hands in its widget from its constructor.
    void AttachPeer(std::unique_ptr<QWidget> peer);
    virtual void Resize() {}
    // Where the client area's origin was last seen on the screen, for a
    // window the desktop has let go of; none while Qt's own place holds.
    virtual std::optional<TPoint> KeptClientOrigin() const { return std::nullopt; }
    // Takes bounds the window system gave the peer, without moving it.
    void SetBoundsFields(int left, int top, int width, int height);
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    // Shows the switch: by default the widget greys, and for a container
    // every child with it.
    virtual void EnabledChanged();

private:
    friend class TWinControl;
    void DetachFromParent();
    // Hands ShowHint down to the children that take their parent's.
    void ShowHintChanged();

    class ScreenCanvas;
    std::unique_ptr<QWidget> peer_;
    std::unique_ptr<ScreenCanvas> canvas_;
    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    TColor color_ = clBtnFace;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
};

// A control without a window of its own that paints itself through Canvas.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
};

// A control that holds others. Destroying it leaves its remaining children
// without a parent (they are owned elsewhere).
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    const std::vector<TControl*>& Controls() const { return controls_; }

    // Where the children's widgets live.
    virtual QWidget* ClientPeer() const { return Peer(); }

    // Takes the keyboard focus, where the control can have it.
    void SetFocus();
    // Visible and enabled, and so is every container around it.
    bool CanFocus() const;
    bool Focused() const;

protected:
    friend class TControl;
    // Puts a new child's widget into this container.
    virtual void AdoptPeer(TControl& child);
    // The control takes no focus itself and hands it on to target (one of
    // its children) instead; Tab never stops on the control.
    void PassFocusTo(TWinControl& target);

private:
    std::vector<TControl*> controls_;
};

// A graphic control whose drawing is left to its OnPaint handler.
class TPaintBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TNotifyEvent OnPaint;

protected:
    void Paint() override {
        if (OnPaint)
            OnPaint(this);
    }
};

} // namespace orv
