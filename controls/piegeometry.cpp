#include "controls/piegeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/core/rounding.h"

namespace pocketrix {

namespace {

// Parameter angle in degrees, counterclockwise on the screen, of the ellipse point on
// the ray from the centre through (x, y).
double parameterAngle(const PieRect& rect, double x, double y)
{
    const double centreX = (rect.left + rect.right) / 2.0;
    const double centreY = (rect.top + rect.bottom) / 2.0;
    const double halfWidth = std::max((rect.right - rect.left) / 2.0, 0.5);
    const double halfHeight = std::max((rect.bottom - rect.top) / 2.0, 0.5);
    // Screen y grows downwards; counterclockwise on the screen is upwards.
    return std::atan2((centreY - y) / halfHeight, (x - centreX) / halfWidth) * 180.0 / std::numbers::pi;
}

} // namespace

int shownPercent(std::int32_t progress, std::int32_t minValue, std::int32_t maxValue)
{
    if (maxValue == minValue)
        return 0;
    const double share =
        (static_cast<double>(progress) - minValue) * 100.0 / (static_cast<double>(maxValue) - minValue);
    return static_cast<int>(std::trunc(share));
}

PieRect paintRect(int width, int height, bool singleBorder)
{
    const int inset = singleBorder ? 1 : 0;
    return {inset, inset, width - inset, height - inset};
}

PiePoint pieStartPoint(const PieRect& rect, int percent)
{
    // The centre is taken in whole pixels, truncated.
    const double centreX = std::trunc(rect.right / 2.0);
    const double centreY = std::trunc(rect.bottom / 2.0);
    const double angle = std::numbers::pi * (percent * 0.02 + 0.5);
    return {static_cast<int>(roundHalfEven(centreX * (1.0 - std::cos(angle)))),
            static_cast<int>(roundHalfEven(centreY * (1.0 - std::sin(angle))))};
}

PiePoint pieEndPoint(const PieRect& rect) { return {rect.right / 2, 0}; }

PieAngles pieAngles(const PieRect& rect, PiePoint start, PiePoint end)
{
    if (start == end)
        return {0, 360 * 16};
    const double from = parameterAngle(rect, start.x, start.y);
    const double to = parameterAngle(rect, end.x, end.y);
    double sweep = std::fmod(to - from, 360.0);
    if (sweep < 0.0)
        sweep += 360.0;
    if (sweep == 0.0) // the same ray through two different points
        return {0, 360 * 16};
    const auto startSixteenths = static_cast<int>(roundHalfEven(from * 16.0));
    // A sweep too thin for 1/16 degree still shows as the thinnest slice.
    const auto spanSixteenths = std::max<std::int64_t>(roundHalfEven(sweep * 16.0), 1);
    return {startSixteenths, static_cast<int>(spanSixteenths)};
}

} // namespace pocketrix
