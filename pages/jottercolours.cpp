#include "pages/jottercolours.h"

#include <array>

namespace pocketrix {

JotterColouring nextJotterColouring(int jotterCount)
{
    static constexpr std::array<Rgb, 12> table{{
        {0, 128, 0},     // green
        {128, 0, 128},   // purple
        {0, 128, 128},   // teal
        {255, 0, 0},     // red
        {255, 255, 0},   // yellow
        {0, 0, 255},     // blue
        {255, 0, 255},   // fuchsia
        {192, 192, 192}, // silver
        {0, 0, 0},       // black
        {255, 255, 255}, // white
        {128, 0, 0},     // maroon
        {0, 0, 128},     // navy
    }};
    const int count = jotterCount + 1;
    if (count >= 1 && count <= 12)
        return {count, table[static_cast<std::size_t>(count - 1)]};
    return {1, std::nullopt};
}

} // namespace pocketrix
