#include <cstdint>

#include <gtest/gtest.h>

#include "pages/systemfigures.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

using test::GB;
using test::MB;

TEST(DriveFigures, TextAndUsedShareOfOneReading)
{
    struct Case {
        const char* what;
        std::int64_t freeBytes, totalBytes;
        const char* text;
        int used;
    } cases[] = {
        {"one byte short of a MB", MB - 1, 100 * MB, "0MB free (1%)", 99},
        {"exactly one MB", MB, 100 * MB, "1MB free (1%)", 99},
        {"one eighth free, 12.5 goes to 12", 1 * GB, 8 * GB, "1024MB free (12%)", 88},
        {"three eighths free, 37.5 goes to 38", 3 * GB, 8 * GB, "3072MB free (38%)", 62},
        {"all free", 8 * GB, 8 * GB, "8192MB free (100%)", 0},
        {"half a percent free goes to 0", MB, 200 * MB, "1MB free (0%)", 100},
        {"nothing free", 0, 8 * GB, "0MB free (0%)", 100},
        {"2 TB with 600 GB free", 600'000'000'000, 2'000'000'000'000, "572204MB free (30%)", 70},
        {"free beyond 32-bit MB counts", 5'000'000 * GB, 10'000'000 * GB, "5120000000MB free (50%)", 50},
        {"failed query", -1, -1, "0MB free (100%)", 0},
        {"no capacity counts as failed", 0, 0, "0MB free (100%)", 0},
        {"more free than capacity reads as all free", 9 * GB, 8 * GB, "8192MB free (100%)", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DriveFigures figures = driveFigures({c.freeBytes, c.totalBytes});
        EXPECT_EQ(freeSpaceText(figures), c.text);
        EXPECT_EQ(figures.usedPercent(), c.used);
        EXPECT_GE(figures.freeMB, 0);
    }
}

TEST(DriveFigures, ThresholdsOfTheList)
{
    const int expected[] = {5, 10, 15, 25, 50, 100};
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(thresholdForItem(index), expected[index]);
    EXPECT_FALSE(thresholdForItem(-1).has_value());
    EXPECT_FALSE(thresholdForItem(6).has_value());
}

} // namespace
} // namespace pocketrix
