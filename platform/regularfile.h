#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace pocketrix {

// A file opened by name for reading, known to be a regular file. Opening a named pipe
// waits for a writer and reading a device may never end, so every file the program reads
// by name is opened here, and anything but a regular file is refused at once.
class RegularFile {
public:
    // Empty when the name is missing, unreadable, or no regular file.
    static std::optional<RegularFile> open(const std::string& fileName);
    RegularFile(RegularFile&& other) noexcept; // and neither copied nor assigned
    ~RegularFile();

    // Reads up to size bytes: the count read, 0 at the end, -1 on a failure.
    long read(char* buffer, std::size_t size);
    // Gives up the descriptor to a caller that closes it.
    int release();

private:
    explicit RegularFile(int descriptor) : m_descriptor(descriptor) {}
    int m_descriptor;
};

// The whole file, when it is a regular file of at most limit bytes that reads without a failure.
std::optional<std::string> readRegularFile(const std::string& fileName, std::size_t limit);

// A name beside the given one, in the same folder, that no other running process uses.
std::string privateName(const std::string& fileName);
// Renames a file in one step, never over a file that already has the new name. False
// when the new name is taken or the file cannot be renamed.
bool renameWithoutReplacing(const std::string& from, const std::string& to);
bool removeFile(const std::string& fileName);

} // namespace pocketrix
