#pragma once
// The world clock's arithmetic, without Qt: the cities' fixed hour offsets from the
// local hour, taken to be London's, and the wrap of an hour into the day.

#include <array>

namespace pocketrix {

struct WorldCity {
    const char* name;
    int offset; // whole hours from the local hour; no daylight-saving rule
};

// In the order the page computes them; London, first, is the local time itself.
inline constexpr std::array<WorldCity, 10> kWorldCities{{
    {"London", 0},
    {"New York", -5},
    {"Tokyo", -16},
    {"Paris, Rome, Berlin", 1},
    {"Moscow", 3},
    {"Hong Kong, Singapore", 7},
    {"Sydney", 9},
    {"Cairo", 1},
    {"L.A.", -8},
    {"Rio", -4},
}};

// A local hour (0 to 23) plus an offset of the table, brought into 0 to 23. One
// correction each way is enough for every offset from -24 to +24.
int wrapCityHour(int cityHour);

} // namespace pocketrix
