#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/boxplacement.h"

namespace pocketrix {
namespace {

// Every caption and text readable: a box lies over its window where that is free, else
// near it, on the screen, covering no other box and not the ringing window.
TEST(BoxPlacement, ABoxGoesOverItsWindowWhereNothingIsTaken)
{
    const ScreenRect screen{0, 0, 800, 600};
    const ScreenRect mainWindow{42, 50, 386, 206};
    const ScreenRect ringing{230, 165, 241, 166};
    struct Case {
        const char* what;
        ScreenRect anchor;
        std::vector<ScreenRect> taken;
        std::optional<ScreenRect> expected; // else: anywhere free
    } cases[] = {
        {"nothing taken: centred over the window", mainWindow, {}, ScreenRect{100, 103, 270, 100}},
        {"a window at the screen's edge: kept on the screen", {700, 550, 200, 100}, {}, ScreenRect{530, 500, 270, 100}},
        {"a box already there", mainWindow, {{100, 103, 270, 100}}, std::nullopt},
        {"the ringing window over the middle", mainWindow, {ringing}, std::nullopt},
        {"the ringing window and two boxes",
         mainWindow,
         {ringing, {100, 50, 270, 100}, {229, 339, 270, 100}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenRect box = placeBox(screen, c.anchor, c.taken, 270, 100);
        if (c.expected) {
            EXPECT_EQ(box, *c.expected);
        }
        EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.right() <= 800 && box.bottom() <= 600);
        for (const ScreenRect& other : c.taken)
            EXPECT_FALSE(box.overlaps(other)) << other.x << "," << other.y;
    }
    // No free place: the one covering least, still on the screen.
    const ScreenRect crowded =
        placeBox({0, 0, 300, 200}, {0, 0, 300, 200}, std::vector<ScreenRect>{{0, 0, 300, 150}}, 270, 100);
    EXPECT_EQ(crowded.bottom(), 200);
}

} // namespace
} // namespace pocketrix
