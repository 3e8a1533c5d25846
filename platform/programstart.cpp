#include "platform/programstart.h"

#include <sstream>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

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

bool SystemProgramStarter::start(const std::string& fileName)
{
    QStringList directories;
    for (const std::string& directory :
         programSearchDirectories(QCoreApplication::applicationDirPath().toStdString(), qgetenv("PATH").toStdString()))
        directories << QString::fromStdString(directory);
    // Given no directories, the search would fall back on the search path as it stands.
    if (fileName.empty() || fileName.find('/') != std::string::npos || directories.isEmpty())
        return false;
    const QString found = QStandardPaths::findExecutable(QString::fromStdString(fileName), directories);
    return !found.isEmpty() && QProcess::startDetached(found, {});
}

} // namespace pocketrix
