#include <cstdint>

#include <gtest/gtest.h>

#include "app/core/rounding.h"

namespace pocketrix {
namespace {

TEST(Rounding, HalfGoesToTheEvenNeighbour)
{
    struct Case {
        double value;
        std::int64_t rounded;
    } cases[] = {{12.5, 12},  {37.5, 38}, {0.5, 0},   {1.5, 2},   {2.4999, 2},
                 {2.5001, 3}, {-0.5, 0},  {-1.5, -2}, {99.5, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundHalfEven(c.value), c.rounded);
    }
}

} // namespace
} // namespace pocketrix
