#include "WinPlace.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orv {
namespace {

int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// One axis: start and extent of the window, extent of the screen.
int Clamped(std::int64_t start, std::int64_t extent, std::int64_t screen) {
    if (start + extent < 0)
        start = 0;
    if (start > screen)
        start = screen - extent;
    return Saturated(start);
}

int Fitted(std::int64_t start, std::int64_t extent, std::int64_t screen) {
    if (start + extent > screen)
        start = screen - extent;
    return Saturated(std::max<std::int64_t>(start, 0));
}

} // namespace

bool UsableSize(int width, int height, TSize minimum) {
    return width >= minimum.cx && height >= minimum.cy && width <= kMaxWindowExtent &&
           height <= kMaxWindowExtent;
}

void ClampOntoScreen(TBounds& bounds, TSize screen) {
    bounds.Left = Clamped(bounds.Left, bounds.Width, screen.cx);
    bounds.Top = Clamped(bounds.Top, bounds.Height, screen.cy);
}

void FitOntoScreen(TBounds& bounds, TSize screen) {
    bounds.Left = Fitted(bounds.Left, bounds.Width, screen.cx);
    bounds.Top = Fitted(bounds.Top, bounds.Height, screen.cy);
}

} // namespace orv
