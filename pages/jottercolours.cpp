#include "pages/jottercolours.h"

#include <array>

namespace pocketrix {

JotterColouring nextJotterColouring(int jotterCount)
{
    // Green, purple, teal, red, yellow, blue, fuchsia, silver, black, white, maroon, navy.
    static constexpr std::array<Qt::GlobalColor, 12> table{
        Qt::darkGreen, Qt::darkMagenta, Qt::darkCyan, Qt::red,   Qt::yellow,  Qt::blue,
        Qt::magenta,   Qt::lightGray,   Qt::black,    Qt::white, Qt::darkRed, Qt::darkBlue,
    };
    const int count = jotterCount + 1;
    if (count >= 1 && count <= 12)
        return {count, table[static_cast<std::size_t>(count - 1)]};
    return {1, std::nullopt};
}

} // namespace pocketrix
