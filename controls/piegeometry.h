#pragma once
// The pie gauge's arithmetic, free of Qt; the widget only paints what these give.

#include <cstdint>

namespace pocketrix {

struct PieRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0; // exclusive
};

struct PiePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PiePoint&, const PiePoint&) = default;
};

// Angles as QPainter takes them: 1/16 degree, 0 at three o'clock, counterclockwise.
struct PieAngles {
    int start = 0;
    int span = 0;
};

// (progress - min) x 100 / (max - min), truncated; 0 for an empty range.
int shownPercent(std::int32_t progress, std::int32_t minValue, std::int32_t maxValue);

// The control's whole area, one pixel in from every side with a single border.
PieRect paintRect(int width, int height, bool singleBorder);

// The slice's ends: it runs counterclockwise from the start ray to the end ray (12
// o'clock), so it grows clockwise from the top as the percentage rises.
PiePoint pieStartPoint(const PieRect& rect, int percent);
PiePoint pieEndPoint(const PieRect& rect);

// The sweep of the ellipse inscribed in rect between the rays from its centre through
// start and through end. QPainter measures angles on the ellipse's parameter, not along
// the ray, so the ray directions are converted; coinciding points give the whole ellipse.
PieAngles pieAngles(const PieRect& rect, PiePoint start, PiePoint end);

} // namespace pocketrix
