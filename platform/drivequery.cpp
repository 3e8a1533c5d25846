#include "platform/drivequery.h"

#include <limits>

#include <sys/statvfs.h>

namespace pocketrix {

namespace {

std::int64_t bytesOf(unsigned long long blocks, unsigned long long blockSize)
{
    constexpr auto most = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    if (blockSize != 0 && blocks > most / blockSize)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(blocks * blockSize);
}

} // namespace

DriveSpace StatvfsDriveQuery::currentDrive() const
{
    struct statvfs info {};
    if (statvfs(".", &info) != 0)
        return {};
    const unsigned long long blockSize = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
    const std::int64_t total = bytesOf(info.f_blocks, blockSize);
    if (total <= 0)
        return {};
    return {bytesOf(info.f_bavail, blockSize), total};
}

} // namespace pocketrix
