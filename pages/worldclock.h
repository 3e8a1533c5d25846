#pragma once
// The world clock's arithmetic, without Qt: the cities' fixed hour offsets from the
// local hour, taken to be London's, and the wrap of an hour into the day.

#include <array>

namespace pocketrix {

// Whole hours from the local hour, with no daylight-saving rule, in the order the page
// computes them: London (the local time itself), New York, Tokyo, Paris/Rome/Berlin,
// Moscow, Hong Kong/Singapore, Sydney, Cairo, L.A. and Rio.
inline constexpr std::array<int, 10> kWorldCityOffsets{0, -5, -16, 1, 3, 7, 9, 1, -8, -4};

// A local hour (0 to 23) plus an offset of the table, brought into 0 to 23. One
// correction each way is enough for every offset from -24 to +24.
int wrapCityHour(int cityHour);

} // namespace pocketrix
