#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/programstart.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

TEST(ProgramSearch, NeverLooksInTheCurrentDirectory)
{
    struct Case {
        const char* what;
        const char* own;
        const char* path;
        std::vector<std::string> directories;
    } cases[] = {
        {"own directory first, then the path",
         "/opt/pocketrix/bin",
         "/usr/local/bin:/usr/bin",
         {"/opt/pocketrix/bin", "/usr/local/bin", "/usr/bin"}},
        {"empty entries mean the current directory", "/opt/p", ":/usr/bin::", {"/opt/p", "/usr/bin"}},
        {"so do relative entries", "/opt/p", ".:bin:/usr/bin", {"/opt/p", "/usr/bin"}},
        {"no path at all", "/opt/p", "", {"/opt/p"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(programSearchDirectories(c.own, c.path), c.directories);
    }
}

TEST(ProgramSearch, StartsAProgramFromThePathButNotOneInTheCurrentDirectory)
{
    QTemporaryDir onPath;
    QTemporaryDir current;
    ASSERT_TRUE(onPath.isValid() && current.isValid());
    const QString marker = onPath.filePath("ran");
    auto plant = [&](const QString& directory, const QString& name, const QString& touched) {
        QFile script(directory + "/" + name);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\ntouch '" + touched + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    plant(onPath.path(), "cogitron.exe", marker);
    plant(current.path(), "lookabt.exe", current.filePath("planted-ran"));

    const test::InFolder here(current.path().toStdString());
    test::ScopedEnv path("PATH", (".:" + onPath.path() + ":/usr/bin:/bin").toUtf8().constData());
    SystemProgramStarter starter;
    EXPECT_FALSE(starter.start("lookabt.exe"));
    EXPECT_TRUE(starter.start("cogitron.exe"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
    EXPECT_FALSE(QFile::exists(current.filePath("planted-ran")));
    EXPECT_FALSE(starter.start("missing.exe"));
}

} // namespace
} // namespace pocketrix
