#pragma once

#include <cstdint>

namespace pocketrix {

// Free and total size in bytes of a drive; both -1 when they cannot be had.
struct DriveSpace {
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
};

// The drive of the current directory: the one the program was started in, which it
// never changes.
class DriveQuery {
public:
    virtual ~DriveQuery() = default;
    // "Free" is what the user may still write; a drive that reports no capacity counts
    // as a failed query.
    virtual DriveSpace currentDrive() const = 0;
};

class StatvfsDriveQuery final : public DriveQuery {
public:
    DriveSpace currentDrive() const override;
};

} // namespace pocketrix
