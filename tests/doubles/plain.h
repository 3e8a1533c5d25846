#pragma once
// The doubles and guards that need no Qt, shared with the Qt-free tests: clock readings, a
// settable clock, a fake drive, guards that pin the environment and the current folder,
// whole-file helpers and bitmap files built field by field. A guard that cannot do its work
// throws, so the test that relies on it fails.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/drivequery.h"

namespace pocketrix::test {

// Drive sizes in bytes.
inline constexpr std::int64_t MB = 1048576;
inline constexpr std::int64_t GB = 1024 * MB;
inline constexpr std::int64_t TB = 1024 * GB;

ClockReading reading(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// A clock that reads whatever the test set last.
class SettableClock final : public Clock {
public:
    explicit SettableClock(const ClockReading& now) : m_reading(now) {}
    SettableClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : m_reading(reading(year, month, day, hour, minute, second))
    {
    }
    ClockReading now() const override { return m_reading; }
    void set(int year, int month, int day, int hour, int minute, int second);
    void setTime(int hour, int minute, int second);

private:
    ClockReading m_reading;
};

// A drive whose figures the test sets; it counts the queries.
class FakeDrive final : public DriveQuery {
public:
    explicit FakeDrive(DriveSpace space) : m_space(space) {}
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

// Sets an environment variable, or unsets it for a null value, for the guard's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// The local time zone for the guard's lifetime. A change under the running program is
// for the program to notice by itself.
class LocalZone {
public:
    explicit LocalZone(const char* zone);
    ~LocalZone();
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;
    static void change(const char* zone);

private:
    std::optional<ScopedEnv> m_env;
};

// Gives up root's power to read and write anywhere for the guard's lifetime (as the
// unprivileged user 65534), so file permissions bite; a no-op for other users.
class Unprivileged {
public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool m_wasRoot;
};

// Makes a folder the current directory for the guard's lifetime.
class InFolder {
public:
    explicit InFolder(const std::string& path);
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

    bool entered() const { return m_entered; }

private:
    std::string m_previous;
    bool m_entered;
};

// A fresh temporary folder, removed with all it holds at the end of the guard's lifetime.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool isValid() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    std::string filePath(std::string_view name) const { return m_path + "/" + std::string(name); }

private:
    std::string m_path;
};

// A fresh temporary folder as the current directory for the guard's lifetime. Everyone may
// search it, so an unprivileged reader meets only a file's own mode.
class InFreshFolder {
public:
    InFreshFolder();

    bool isValid() const { return m_folder.isValid(); }
    const std::string& path() const { return m_folder.path(); }
    std::string filePath(std::string_view name) const { return m_folder.filePath(name); }

private:
    TemporaryFolder m_folder; // outlives the guard below, which leaves it first
    InFolder m_here;
};

// The text of the error an action raised, or "no error" when it raised none.
std::string errorOf(const std::function<void()>& action);

// A file's bytes, or "<missing>" when it cannot be read.
std::string fileContent(const std::string& path);

// Writes a file whole, replacing what it held.
void writeFile(const std::string& path, std::string_view bytes);

// The fields of a bitmap file's headers (the file header and the 40-byte info header) that
// tests and fuzz targets choose; the rest are those of an ordinary uncompressed bitmap.
struct BitmapFields {
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: rows from the top down
    std::uint16_t depth = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0; // what the header says the pixels take; 0 leaves it to the reader
    std::uint32_t coloursUsed = 0;
    std::string palette{};                      // the colour table, between the headers and the pixels
    std::optional<std::uint32_t> pixelOffset{}; // where the header says the pixels start; else after the palette
};

// A bitmap file: the two headers with the fields given, the palette, then the pixel bytes.
std::string bitmapFile(const BitmapFields& fields, std::string_view pixels);

} // namespace pocketrix::test
