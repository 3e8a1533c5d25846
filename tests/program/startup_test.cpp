// The program's start as main() makes it: the windows built and wired, the main window
// shown, then what waited for it.

#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/doubles/programundertest.h"
#include "windows/fronthlp.h"

namespace pocketrix {
namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Qt's image plugins would take a few milliseconds to load and are never needed: every
// picture of the program is a bitmap read as one, the help reader's included.
TEST(ProgramStartUp, LoadsNoImagePlugin)
{
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded them";
    test::ProgramUnderTest program{{.inFolderWithHelp = true}};
    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.deferred.started(); }));
    EXPECT_TRUE(program.errors.messages().isEmpty()) << program.errors.messages().join(' ').toStdString();
    EXPECT_EQ(program.help->findChild<QLabel*>("Image1")->size(), QSize(593, 96)) << "the Introduction's picture read";
    EXPECT_FALSE(imagePluginLoaded());
}

} // namespace
} // namespace pocketrix
