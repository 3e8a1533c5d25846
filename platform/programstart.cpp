#include "platform/programstart.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

namespace pocketrix {

std::vector<std::string> programSearchDirectories(const std::string& ownDirectory, const std::string& searchPath)
{
    std::vector<std::string> directories;
    if (!ownDirectory.empty() && ownDirectory.front() == '/')
        directories.push_back(ownDirectory);
    std::size_t begin = 0;
    while (begin <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(':', begin), searchPath.size());
        const std::string entry = searchPath.substr(begin, end - begin);
        if (!entry.empty() && entry.front() == '/')
            directories.push_back(entry);
        begin = end + 1;
    }
    return directories;
}

std::string findProgram(const std::string& fileName, const std::vector<std::string>& directories)
{
    if (fileName.empty() || fileName.find('/') != std::string::npos)
        return {};
    for (const auto& directory : directories) {
        std::string candidate = directory;
        if (candidate.back() != '/')
            candidate += '/';
        candidate += fileName;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool SystemProgramStarter::start(const std::string& fileName)
{
    const char* path = std::getenv("PATH");
    const std::string found =
        findProgram(fileName, programSearchDirectories(QCoreApplication::applicationDirPath().toStdString(),
                                                       path == nullptr ? "" : path));
    if (found.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(found), {});
}

} // namespace pocketrix
