#include "platform/regularfile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pocketrix {

std::optional<RegularFile> RegularFile::open(const std::string& fileName)
{
    // Asked by name first, so that a device is never opened; asked again of what was
    // opened, in case the name changed between the two. Without O_NONBLOCK the open
    // itself would wait on a named pipe put there meanwhile.
    struct stat status {};
    if (fileName.empty() || ::stat(fileName.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    RegularFile file(descriptor);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return file;
}

RegularFile::RegularFile(RegularFile&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) {}

RegularFile::~RegularFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

long RegularFile::read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(m_descriptor, buffer, size);
        if (count >= 0 || errno != EINTR)
            return static_cast<long>(count);
    }
}

int RegularFile::release() { return std::exchange(m_descriptor, -1); }

std::optional<std::string> readRegularFile(const std::string& fileName, std::size_t limit)
{
    std::optional<RegularFile> file = RegularFile::open(fileName);
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const long count = file->read(buffer, sizeof buffer);
        if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > limit)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string privateName(const std::string& fileName) { return fileName + ".taken-" + std::to_string(::getpid()); }

bool renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system without that flag: a second name is refused just the same when taken.
    return errno == EINVAL && ::link(from.c_str(), to.c_str()) == 0 && ::unlink(from.c_str()) == 0;
}

bool removeFile(const std::string& fileName) { return ::unlink(fileName.c_str()) == 0; }

} // namespace pocketrix
