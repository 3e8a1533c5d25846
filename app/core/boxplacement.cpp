#include "app/core/boxplacement.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pocketrix {

namespace {

constexpr int kGap = 8;
constexpr int kScanStep = 24;

ScreenRect clampedTo(const ScreenRect& screen, ScreenRect box)
{
    box.x = std::max(screen.x, std::min(box.x, screen.right() - box.width));
    box.y = std::max(screen.y, std::min(box.y, screen.bottom() - box.height));
    return box;
}

std::int64_t coveredArea(const ScreenRect& box, std::span<const ScreenRect> taken)
{
    std::int64_t area = 0;
    for (const ScreenRect& other : taken) {
        const std::int64_t across = std::min(box.right(), other.right()) - std::max(box.x, other.x);
        const std::int64_t down = std::min(box.bottom(), other.bottom()) - std::max(box.y, other.y);
        if (across > 0 && down > 0)
            area += across * down;
    }
    return area;
}

} // namespace

ScreenRect placeBox(const ScreenRect& screen, const ScreenRect& anchor, std::span<const ScreenRect> taken, int width,
                    int height)
{
    const ScreenRect centred{anchor.x + (anchor.width - width) / 2, anchor.y + (anchor.height - height) / 2, width,
                             height};
    std::vector<ScreenRect> candidates{clampedTo(screen, centred)};
    // Beside each taken rectangle: below, right, above, left, lined up with its corner.
    for (const ScreenRect& other : taken) {
        candidates.push_back(clampedTo(screen, {other.x, other.bottom() + kGap, width, height}));
        candidates.push_back(clampedTo(screen, {other.right() + kGap, other.y, width, height}));
        candidates.push_back(clampedTo(screen, {other.x, other.y - kGap - height, width, height}));
        candidates.push_back(clampedTo(screen, {other.x - kGap - width, other.y, width, height}));
    }
    // Nearest to the anchor first among the places beside others.
    const auto distance = [&](const ScreenRect& box) {
        const std::int64_t dx = box.x - centred.x;
        const std::int64_t dy = box.y - centred.y;
        return dx * dx + dy * dy;
    };
    std::ranges::stable_sort(candidates.begin() + 1, candidates.end(), {}, distance);
    for (int y = screen.y; y + height <= screen.bottom(); y += kScanStep)
        for (int x = screen.x; x + width <= screen.right(); x += kScanStep)
            candidates.push_back({x, y, width, height});
    // The first place that covers nothing, else the first that covers least.
    return *std::ranges::min_element(candidates, {}, [&](const ScreenRect& box) { return coveredArea(box, taken); });
}

} // namespace pocketrix
