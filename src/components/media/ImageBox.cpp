// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageBox.h"
#include "components/ComponentTexts.h"

#include "framework/app/Application.h"
#include "framework/app/MessageWindow.h"
#include "framework/core/PeriodicTimer.h"

namespace orv {

TCustomImageBox::TCustomImageBox(TComponent* owner) : TPaintBox(owner) {
    // Opaque: the repaint neither erases the parent first nor flickers.
    SetOpaque(true);
    AttachBitmapChange(true);
    RecomputeRects();
}

TCustomImageBox::~TCustomImageBox() {
    // The timer thread is joined before the receiver and the bitmaps go, so
    // no callback can reach a destroyed box; queued ticks die with the
    // receiver.
    if (timerEnabled_)
        StopTimer();
    tickReceiver_.reset();
}

void TCustomImageBox::Loaded() {
    TPaintBox::Loaded();
    if (!autoSize_)
        return;
    bitmap_->SetWidth(Width());
    bitmap_->SetHeight(Height());
    bitmapWidth_ = Width();
    bitmapHeight_ = Height();
}

void TCustomImageBox::SetBounds(int left, int top, int width, int height) {
    TPaintBox::SetBounds(left, top, width, height);
    RecomputeRects();
    if (autoSize_ && !fittingBox_)
        ResizeBitmapToBox();
}

void TCustomImageBox::RecomputeRects() {
    destRect_ = {0, 0, Width(), Height()};
    sourceRect_ = {xOffset_, yOffset_, xOffset_ + Width(), yOffset_ + Height()};
}

void TCustomImageBox::ResizeBitmapToBox() {
    resizingBitmap_ = true;
    bitmap_->SetWidth(Width());
    bitmap_->SetHeight(Height());
    resizingBitmap_ = false;
}

void TCustomImageBox::BitmapChanged() {
    if (bitmap_->Width() == bitmapWidth_ && bitmap_->Height() == bitmapHeight_)
        return;
    bitmapWidth_ = bitmap_->Width();
    bitmapHeight_ = bitmap_->Height();
    FitBoxToBitmap();
}

void TCustomImageBox::FitBoxToBitmap() {
    if (!autoSize_ || resizingBitmap_)
        return;
    fittingBox_ = true;
    SetWidth(bitmap_->Width());
    SetHeight(bitmap_->Height());
    fittingBox_ = false;
}

void TCustomImageBox::AttachBitmapChange(bool attach) {
    if (attach)
        bitmap_->OnChange = [this] { BitmapChanged(); };
    else
        bitmap_->OnChange = nullptr;
}

void TCustomImageBox::SetAutoSize(bool value) {
    autoSize_ = value;
    // The notification stays attached; without AutoSize it only keeps
    // BitmapWidth and BitmapHeight in step.
    if (!value)
        autoSizeOnBitmapChange_ = false;
}

void TCustomImageBox::SetAutoSizeOnBitmapChange(bool value) {
    autoSizeOnBitmapChange_ = value && autoSize_;
    AttachBitmapChange(autoSizeOnBitmapChange_);
}

void TCustomImageBox::SetBitmap(const TBitmap* image) {
    if (image) {
        bitmap_->Assign(image);
        BitmapAssigned = true;
    } else {
        resizingBitmap_ = true;
        bitmap_->Assign(nullptr);
        bitmap_->SetWidth(Width());
        bitmap_->SetHeight(Height());
        resizingBitmap_ = false;
        BitmapAssigned = false;
    }
    BitmapChanged();
    eraseBeforeCopy_ = true;
    Repaint();
}

void TCustomImageBox::SetBitmapWidth(int value) {
    if (value <= 0)
        return;
    bitmapWidth_ = value;
    bitmap_->SetWidth(value);
    FitBoxToBitmap();
    for (auto& frame : frames_)
        frame->SetWidth(value);
    Repaint();
}

void TCustomImageBox::SetBitmapHeight(int value) {
    if (value <= 0)
        return;
    bitmapHeight_ = value;
    bitmap_->SetHeight(value);
    FitBoxToBitmap();
    for (auto& frame : frames_)
        frame->SetHeight(value);
    Repaint();
}

void TCustomImageBox::SetXOffset(int value) {
    xOffset_ = value;
    RecomputeRects();
    Repaint();
}

void TCustomImageBox::SetYOffset(int value) {
    yOffset_ = value;
    RecomputeRects();
    Repaint();
}

void TCustomImageBox::SetBitmapNum(int value) {
    if (value < 1 || value > kMaxBitmapNum) {
        Application().MessageBox(
            Format(ComponentTexts::BitmapNumRange, {std::to_string(kMaxBitmapNum)}),
            Tr(ComponentTexts::Error), MB_OK | MB_ICONERROR);
        return;
    }
    ReleaseFrames();
    bitmapNum_ = value;
    if (currentFrame_ >= bitmapNum_)
        currentFrame_ = 0;
    for (int i = 1; i < bitmapNum_; ++i)
        frames_.push_back(std::make_unique<TBitmap>(bitmapWidth_, bitmapHeight_));
}

void TCustomImageBox::ReleaseFrames() {
    frames_.clear();
    bitmapNum_ = 1;
}

TBitmap* TCustomImageBox::Frame(int index) {
    if (index == 0)
        return bitmap_.get();
    if (index < 1 || index > static_cast<int>(frames_.size()))
        return nullptr;
    return frames_[static_cast<std::size_t>(index - 1)].get();
}

const TBitmap& TCustomImageBox::SourceBitmap() const {
    if (bitmapNum_ == 1 || currentFrame_ == 0)
        return *bitmap_;
    return *frames_[static_cast<std::size_t>(currentFrame_ - 1)];
}

void TCustomImageBox::SetTimerEnabled(bool value) {
    if (value == timerEnabled_)
        return;
    if (value)
        StartTimer();
    else
        StopTimer();
    timerEnabled_ = value;
}

void TCustomImageBox::SetInterval(int value) {
    if (timerEnabled_)
        StopTimer();
    interval_ = value;
    if (timerEnabled_)
        StartTimer();
}

void TCustomImageBox::SetResolution(int value) {
    if (timerEnabled_)
        StopTimer();
    resolution_ = value;
    if (timerEnabled_)
        StartTimer();
}

void TCustomImageBox::StartTimer() {
    if (!tickReceiver_)
        tickReceiver_ = std::make_unique<TMessageWindow>([this](int message) { WndProc(message); });
    // Resolution is only a hint to the platform; the thread keeps absolute
    // deadlines anyway. A period of 0 or less never ticks.
    const TMessageWindow* receiver = tickReceiver_.get();
    timer_ =
        std::make_unique<TPeriodicTimer>(interval_, [receiver] { receiver->Post(kTickMessage); });
}

void TCustomImageBox::StopTimer() {
    timer_.reset();
}

void TCustomImageBox::WndProc(int message) {
    if (message == kTickMessage)
        Tick();
}

void TCustomImageBox::Tick() {
    if (OnTimer)
        OnTimer(this);
    if (Animate)
        currentFrame_ = currentFrame_ < bitmapNum_ - 1 ? currentFrame_ + 1 : 0;
    Repaint();
}

void TCustomImageBox::Paint() {
    TCanvas& screen = Canvas();
    screen.Font() = Font();
    screen.Brush().Color = Color();
    if (OnPaint)
        OnPaint(this);
    if (eraseBeforeCopy_) {
        // What a new bitmap leaves uncovered shows the button face.
        const TBrush brush = screen.Brush();
        screen.Brush() = {clBtnFace, TBrushStyle::bsSolid};
        screen.FillRect(destRect_);
        screen.Brush() = brush;
        eraseBeforeCopy_ = false;
    }
    screen.CopyRect(destRect_, SourceBitmap(), sourceRect_);
    if (OnPainted)
        OnPainted(this);
}

bool TCustomImageBox::TimerRunning() const {
    return timer_ && timer_->Running();
}

} // namespace orv
