#pragma once
// What the fuzz targets share: how a broken property stops the run, and the scratch files
// and folder a target works in.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <QDir>
#include <QString>

namespace pocketrix::fuzz {

// Stops the run with the property that does not hold, so libFuzzer keeps the input.
inline void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

// Writes a scratch file whole, replacing what it held.
inline void writeAll(const std::string& name, const std::string& bytes)
{
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    check(file.good(), "scratch file written");
}

// The target works in its scratch folder for the guard's lifetime; libFuzzer's own paths
// stay relative to where it was started.
class InFolder {
public:
    explicit InFolder(const QString& path) : m_previous(QDir::currentPath())
    {
        check(QDir::setCurrent(path), "into the scratch folder");
    }
    ~InFolder() { QDir::setCurrent(m_previous); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    QString m_previous;
};

} // namespace pocketrix::fuzz
