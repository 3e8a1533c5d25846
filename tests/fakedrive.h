#pragma once

#include <cstdint>

#include "platform/drivequery.h"

namespace pocketrix::test {

// A drive whose figures the test sets; it counts the queries.
class FakeDrive final : public DriveQuery {
public:
    FakeDrive(std::int64_t freeBytes = 0, std::int64_t totalBytes = 0) : m_space{freeBytes, totalBytes} {}
    DriveSpace currentDrive() const override
    {
        ++m_queries;
        return m_space;
    }
    void set(std::int64_t freeBytes, std::int64_t totalBytes) { m_space = {freeBytes, totalBytes}; }
    void fail() { m_space = {}; }
    int queries() const { return m_queries; }

private:
    DriveSpace m_space;
    mutable int m_queries = 0;
};

} // namespace pocketrix::test
