#include <csignal>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "pages/savetextfile.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

using test::errorOf;

TEST(SaveTextFile, SavingReplacesTheOldFileWhole)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(QStringLiteral("07122026.rem"));
    test::writeBytes(name, "a much longer old reminder text");
    saveTextFile(name, QByteArrayLiteral("new"));
    EXPECT_EQ(test::fileBytes(name), "new");
    saveTextFile(name, QByteArray());
    EXPECT_EQ(test::fileBytes(name), "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("07122026.rem")});
}

TEST(SaveTextFile, AFailedSaveKeepsTheOldReminder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString readOnly = folder.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    const QString old = readOnly + QStringLiteral("/07122026.rem");
    test::writeBytes(old, "old reminder");
    ASSERT_EQ(chmod(readOnly.toLocal8Bit().constData(), 0555), 0);
    {
        const test::Unprivileged guard;
        EXPECT_EQ(errorOf([&] { saveTextFile(old, "new text"); }), "Cannot create file " + old.toStdString());
    }
    EXPECT_EQ(test::fileBytes(old), "old reminder");
    EXPECT_EQ(QDir(readOnly).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("07122026.rem")});
    chmod(readOnly.toLocal8Bit().constData(), 0755);

    const QString folderName = folder.filePath(QStringLiteral("08122026.rem"));
    ASSERT_TRUE(QDir().mkdir(folderName));
    test::writeBytes(folderName + QStringLiteral("/inside"), "kept");
    EXPECT_EQ(errorOf([&] { saveTextFile(folderName, "new text"); }), "Cannot create file " + folderName.toStdString());
    EXPECT_TRUE(QFileInfo(folderName).isDir());
    EXPECT_EQ(test::fileBytes(folderName + QStringLiteral("/inside")), "kept");

    const QString missingFolder = folder.filePath(QStringLiteral("nowhere/07122026.rem"));
    EXPECT_EQ(errorOf([&] { saveTextFile(missingFolder, "x"); }), "Cannot create file " + missingFolder.toStdString());
    EXPECT_EQ(errorOf([&] { saveTextFile(QString(), "x"); }), "Cannot create file ");
}

// Limits the size of files the process may write, as a nearly full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(SaveTextFile, ADiskFullDuringTheWriteKeepsTheOldReminder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(QStringLiteral("07122026.rem"));
    test::writeBytes(name, "old reminder");
    {
        const FileSizeLimit limit(4096);
        EXPECT_EQ(errorOf([&] { saveTextFile(name, QByteArray(100000, 'x')); }), "Stream write error");
    }
    EXPECT_EQ(test::fileBytes(name), "old reminder");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("07122026.rem")});
}

} // namespace
} // namespace pocketrix
