#include <cstdint>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/drivequery.h"

namespace pocketrix {
namespace {

TEST(StatvfsDriveQuery, ReportsTheCurrentDirectorysFileSystem)
{
    const DriveSpace space = StatvfsDriveQuery().currentDrive();
    const auto reference = std::filesystem::space(".");
    EXPECT_EQ(space.totalBytes, static_cast<std::int64_t>(reference.capacity));
    EXPECT_GE(space.freeBytes, 0);
    EXPECT_LE(space.freeBytes, space.totalBytes);
}

} // namespace
} // namespace pocketrix
