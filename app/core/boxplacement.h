#pragma once

#include <span>

namespace pocketrix {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool overlaps(const ScreenRect& other) const
    {
        return x < other.right() && other.x < right() && y < other.bottom() && other.y < bottom();
    }
    bool operator==(const ScreenRect&) const = default;
};

// Where a message box of the given outer size goes so that it can be read: centred over
// the anchor (the window the message belongs to) when that covers nothing taken (the
// boxes already up, the ringing window), else beside the nearest taken rectangle, else
// anywhere on the screen; always within the screen. When no place is free, the place
// that covers least of what is taken.
ScreenRect placeBox(const ScreenRect& screen, const ScreenRect& anchor, std::span<const ScreenRect> taken, int width,
                    int height);

} // namespace pocketrix
