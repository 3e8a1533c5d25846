#include "platform/programstart.h"

#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

namespace pocketrix {

std::vector<std::string> programSearchDirectories(const std::string& ownDirectory, const std::string& searchPath)
{
    std::vector<std::string> directories{ownDirectory};
    std::istringstream entries(searchPath);
    for (std::string entry; std::getline(entries, entry, ':');)
        directories.push_back(entry);
    std::erase_if(directories, [](const std::string& directory) { return !directory.starts_with('/'); });
    return directories;
}

std::string findProgram(const std::string& fileName, const std::vector<std::string>& directories)
{
    if (fileName.empty() || fileName.find('/') != std::string::npos)
        return {};
    for (const auto& directory : directories) {
        std::string candidate = std::filesystem::path(directory) / fileName;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool SystemProgramStarter::start(const std::string& fileName)
{
    const std::string found =
        findProgram(fileName, programSearchDirectories(QCoreApplication::applicationDirPath().toStdString(),
                                                       qgetenv("PATH").toStdString()));
    return !found.empty() && QProcess::startDetached(QString::fromStdString(found), {});
}

} // namespace pocketrix
