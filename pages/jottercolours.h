#pragma once

#include <optional>

#include <QColor>

namespace pocketrix {

// The window colour of a new Jotter and the counter it leaves behind. The counter runs
// 1 to 12 through the colour table; at 13 it gives no colour (the definition's green
// stays) and starts again at 1.
struct JotterColouring {
    int count;
    std::optional<QColor> colour;
};
JotterColouring nextJotterColouring(int jotterCount);

} // namespace pocketrix
