#include "tests/doubles/plain.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace pocketrix::test {

ClockReading reading(int year, int month, int day, int hour, int minute, int second)
{
    ClockReading r;
    r.year = year;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.second = second;
    r.dayOfWeek = weekdayOf(year, month, day);
    return r;
}

void SettableClock::set(int year, int month, int day, int hour, int minute, int second)
{
    m_reading = reading(year, month, day, hour, minute, second);
}

void SettableClock::setTime(int hour, int minute, int second)
{
    m_reading = reading(m_reading.year, m_reading.month, m_reading.day, hour, minute, second);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name)
{
    if (const char* old = std::getenv(name))
        m_old = old;
    if (value == nullptr)
        unsetenv(name);
    else
        setenv(name, value, 1);
}

ScopedEnv::~ScopedEnv()
{
    if (m_old)
        setenv(m_name.c_str(), m_old->c_str(), 1);
    else
        unsetenv(m_name.c_str());
}

LocalZone::LocalZone(const char* zone)
{
    m_env.emplace("TZ", zone);
    tzset();
}

LocalZone::~LocalZone()
{
    m_env.reset();
    tzset();
}

void LocalZone::change(const char* zone) { setenv("TZ", zone, 1); }

Unprivileged::Unprivileged() : m_wasRoot(geteuid() == 0)
{
    if (m_wasRoot && seteuid(65534) != 0)
        throw std::runtime_error("cannot become an unprivileged user");
}

Unprivileged::~Unprivileged()
{
    // Root or not from here on decides every later test, so a failure ends the run.
    if (m_wasRoot && seteuid(0) != 0) {
        std::fputs("cannot become root again\n", stderr);
        std::abort();
    }
}

InFolder::InFolder(const std::string& path)
    : m_previous(std::filesystem::current_path().string()), m_entered(chdir(path.c_str()) == 0)
{
}

InFolder::~InFolder()
{
    if (m_entered && chdir(m_previous.c_str()) != 0)
        std::perror("cannot go back to the previous folder");
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pocketrix-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

InFreshFolder::InFreshFolder() : m_here(m_folder.path())
{
    if (!m_folder.isValid() || !m_here.entered())
        throw std::runtime_error("cannot make and enter a fresh folder");
    chmod(m_folder.path().c_str(), 0755);
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

std::string fileContent(const std::string& path)
{
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path, error))
        return "<missing>";
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return file.bad() ? "<missing>" : bytes;
}

void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.good())
        throw std::runtime_error("cannot write " + path);
}

std::string bitmapFile(const BitmapFields& fields, std::string_view pixels)
{
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    const auto headers = static_cast<std::uint32_t>(14 + 40 + fields.palette.size());
    put(headers + static_cast<std::uint32_t>(pixels.size()), 4);
    put(0, 4);
    put(fields.pixelOffset.value_or(headers), 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(fields.width), 4);
    put(static_cast<std::uint32_t>(fields.height), 4);
    put(1, 2);
    put(fields.depth, 2);
    put(fields.compression, 4);
    put(fields.imageSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(fields.coloursUsed, 4);
    put(0, 4);
    return bytes + fields.palette + std::string(pixels);
}

} // namespace pocketrix::test
