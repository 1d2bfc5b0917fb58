#pragma once

#include "Controls.h"

#include <string>

namespace orv {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// A line of text. With AutoSize it takes its text's size; Transparent leaves
// what lies under it showing around the letters.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    void Paint() override;
    void FontChanged() override;

private:
    void AdjustSize();

    std::string caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
};

} // namespace orv
