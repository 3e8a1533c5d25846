#pragma once

#include <optional>

namespace pocketrix {

struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The window colour of a new Jotter and the counter it leaves behind. The counter runs
// 1 to 12 through the colour table; at 13 it gives no colour (the definition's green
// stays) and starts again at 1.
struct JotterColouring {
    int count;
    std::optional<Rgb> colour;
};
JotterColouring nextJotterColouring(int jotterCount);

} // namespace pocketrix
