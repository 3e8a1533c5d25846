#pragma once

#include <cmath>
#include <cstdint>

namespace pocketrix {

// Nearest whole number, exactly halfway going to the even neighbour, whatever the
// floating-point rounding mode.
inline std::int64_t roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<std::int64_t>(up ? below + 1.0 : below);
}

} // namespace pocketrix
