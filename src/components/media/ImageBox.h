// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"
#include "framework/drawing/Bitmap.h"

#include <memory>
#include <vector>

namespace orv {

class TMessageWindow;
class TPeriodicTimer;

// A windowless box that shows an off-screen bitmap (or one of several
// frames) and carries its own periodic timer. Users draw into the bitmap
// when they like; each tick raises OnTimer and repaints synchronously.
class TCustomImageBox : public TPaintBox {
public:
    // The private message that carries a tick to the window thread.
    static constexpr int kTickMessage = 1034;
    static constexpr int kMaxBitmapNum = 128;

    explicit TCustomImageBox(TComponent* owner);
    ~TCustomImageBox() override;

    void Loaded() override;
    void SetBounds(int left, int top, int width, int height) override;
    // The box's message handling; the tick message runs one tick.
    void WndProc(int message);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool AutoSizeOnBitmapChange() const { return autoSizeOnBitmapChange_; }
    void SetAutoSizeOnBitmapChange(bool value);

    TBitmap& Bitmap() { return *bitmap_; }
    const TBitmap& Bitmap() const { return *bitmap_; }
    // Copies the image into Bitmap; null leaves a blank bitmap of the box's size.
    void SetBitmap(const TBitmap* image);
    TCanvas& BitmapCanvas() { return bitmapCanvas_; }

    int BitmapWidth() const { return bitmapWidth_; }
    void SetBitmapWidth(int value);
    int BitmapHeight() const { return bitmapHeight_; }
    void SetBitmapHeight(int value);
    int XOffset() const { return xOffset_; }
    void SetXOffset(int value);
    int YOffset() const { return yOffset_; }
    void SetYOffset(int value);

    int BitmapNum() const { return bitmapNum_; }
    void SetBitmapNum(int value);
    int CurrentFrame() const { return currentFrame_; }
    // Frame 0 is Bitmap; frames 1 to BitmapNum - 1 exist while BitmapNum > 1.
    TBitmap* Frame(int index);

    bool TimerEnabled() const { return timerEnabled_; }
    void SetTimerEnabled(bool value);
    int Interval() const { return interval_; }
    void SetInterval(int value);
    int Resolution() const { return resolution_; }
    void SetResolution(int value);
    bool TimerRunning() const;

    bool Animate = false;
    bool BitmapAssigned = false;
    TNotifyEvent OnPainted;
    TNotifyEvent OnTimer;

    TRect DestRect() const { return destRect_; }
    TRect SourceRect() const { return sourceRect_; }

protected:
    void Paint() override;

private:
    void Tick();
    void ResizeBitmapToBox();
    void BitmapChanged();
    void FitBoxToBitmap();
    void RecomputeRects();
    void AttachBitmapChange(bool attach);
    void StartTimer();
    void StopTimer();
    void ReleaseFrames();
    const TBitmap& SourceBitmap() const;

    bool autoSize_ = true;
    bool autoSizeOnBitmapChange_ = true;
    std::unique_ptr<TBitmap> bitmap_ = std::make_unique<TBitmap>();
    TCanvas& bitmapCanvas_ = bitmap_->Canvas();
    int bitmapWidth_ = 0;
    int bitmapHeight_ = 0;
    int xOffset_ = 0;
    int yOffset_ = 0;
    int bitmapNum_ = 1;
    int currentFrame_ = 0;
    bool timerEnabled_ = false;
    int interval_ = 100;
    int resolution_ = 100;
    bool resizingBitmap_ = false;
    bool fittingBox_ = false;
    bool eraseBeforeCopy_ = false;
    TRect destRect_;
    TRect sourceRect_;
    // Frames 1 and up; empty while there is no frame list.
    std::vector<std::unique_ptr<TBitmap>> frames_;
    std::unique_ptr<TMessageWindow> tickReceiver_;
    std::unique_ptr<TPeriodicTimer> timer_;
};

class TImageBox : public TCustomImageBox {
public:
    using TCustomImageBox::TCustomImageBox;
};

} // namespace orv
