// The disk under the program: writing a reminder where the folder or the drive refuses
// it, and the System page on drives that report nothing, nothing at all or a great deal.

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/piegauge.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "pages/warning.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

using test::MB;
using test::TB;

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A small file system of its own, mounted for the guard's lifetime; root only.
class SmallDisk {
public:
    SmallDisk(const QString& where, const char* options)
        : m_where(where.toLocal8Bit()), m_mounted(mount("tmpfs", m_where.constData(), "tmpfs", 0, options) == 0),
          m_reason(m_mounted ? "" : std::strerror(errno))
    {
    }
    ~SmallDisk()
    {
        if (m_mounted)
            umount2(m_where.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return m_mounted; }
    const std::string& reason() const { return m_reason; }

private:
    QByteArray m_where;
    bool m_mounted;
    std::string m_reason;
};

// The program at 9:30 on 7 December 2026, writing that day's reminder in the current folder.
struct ReminderWriter : test::ProgramUnderTest {
    ReminderWriter() : ProgramUnderTest({.now = test::reading(2026, 12, 7, 9, 30, 0)}) {}
    void write(const QString& text)
    {
        QTest::mouseClick(main->findChild<QPushButton*>("Button3"), Qt::LeftButton);
        reminder->findChild<QPlainTextEdit*>("Memo1")->setPlainText(text);
        QTest::mouseClick(reminder->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    }
    QString memoText() const { return reminder->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
};

TEST(FullDisk, TheOldReminderSurvivesAndTheWindowKeepsTheText)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting needs root; SaveTextFile.ADiskFullDuringTheWriteKeepsTheOldReminder "
                        "covers a full disk by a file size limit";
    struct Case {
        const char* what;
        const char* options;
        qsizetype filler; // bytes written before the reminder
        qsizetype text;   // characters typed
        const char* message;
    } cases[] = {
        {"the text fills the disk", "size=64k", 0, 100000, "Stream write error."},
        {"the disk was already full", "size=64k", 1 << 20, 3, "Stream write error."},
        {"no room for another file", "size=1m,nr_inodes=2", 0, 3, "Cannot create file 07122026.rem."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const SmallDisk disk(folder.path(), c.options);
        if (!disk.mounted())
            GTEST_SKIP() << "cannot mount a tmpfs here (" << disk.reason()
                         << "); SaveTextFile.ADiskFullDuringTheWriteKeepsTheOldReminder covers a full disk";
        const test::InFolder here(folder.path().toStdString());
        {
            QFile old("07122026.rem");
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            ASSERT_EQ(old.write("old reminder"), 12);
        }
        QStringList expected{"07122026.rem"};
        if (c.filler > 0) {
            QFile filler("filler");
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(c.filler, 'f'));
            filler.close();
            expected.append("filler");
        }
        ReminderWriter program;
        const QString text(c.text, QLatin1Char('n'));
        program.write(text);
        EXPECT_EQ(program.errors.messages(), QStringList{c.message});
        EXPECT_EQ(test::fileBytes("07122026.rem"), "old reminder");
        EXPECT_EQ(entries("."), expected) << "no half-written file is left behind";
        EXPECT_TRUE(program.reminder->isVisible());
        EXPECT_EQ(program.memoText(), text);
        EXPECT_EQ(program.main->state().ReminderPending, 1) << "today's old reminder still waits";
    }
}

TEST(RefusedWrite, TheOldReminderSurvivesAndTheWindowKeepsTheText)
{
    struct Case {
        const char* what;
        void (*prepare)(const QString& folder);
        bool asFolder;
    } cases[] = {
        {"the current folder is read-only",
         [](const QString& folder) { chmod(folder.toLocal8Bit().constData(), 0555); }, false},
        {"the reminder name is a folder", [](const QString&) {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        if (c.asFolder) {
            ASSERT_TRUE(QDir(folder.path()).mkpath("07122026.rem"));
            QFile inside(folder.filePath("07122026.rem/inside"));
            ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
            inside.write("old reminder");
        } else {
            QFile old(folder.filePath("07122026.rem"));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old reminder");
        }
        c.prepare(folder.path());
        const test::InFolder here(folder.path().toStdString());
        ReminderWriter program;
        {
            // Root writes anywhere; the program's user does not.
            const test::Unprivileged guard;
            program.write("new text");
        }
        EXPECT_EQ(program.errors.messages(), QStringList{"Cannot create file 07122026.rem."});
        EXPECT_EQ(test::fileBytes(c.asFolder ? "07122026.rem/inside" : "07122026.rem"), "old reminder");
        EXPECT_EQ(entries("."), QStringList{"07122026.rem"});
        EXPECT_TRUE(program.reminder->isVisible());
        EXPECT_EQ(program.memoText(), "new text");
        chmod(folder.path().toLocal8Bit().constData(), 0755);
    }
}

TEST(OddDrive, TheSystemPageShowsWhatTheReadingGives)
{
    struct Case {
        const char* what;
        std::int64_t freeBytes, totalBytes;
        const char* text;
        int usedPercent;
        bool warns;
    } cases[] = {
        {"query failed", -1, -1, "0MB free (100%)", 0, true},
        {"total of zero", 0, 0, "0MB free (100%)", 0, true},
        {"total of zero with free space reported", 5 * MB * 1024, 0, "0MB free (100%)", 0, true},
        {"16 TB, a quarter free", 4 * TB, 16 * TB, "4194304MB free (25%)", 75, false},
        {"16 TB, all free", 16 * TB, 16 * TB, "16777216MB free (100%)", 0, false},
        {"16 TB, 4 MB free", 4 * MB, 16 * TB, "4MB free (0%)", 100, true},
        {"16 TB, 5 MB free", 5 * MB, 16 * TB, "5MB free (0%)", 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::SystemPageOn system(c.freeBytes, c.totalBytes);
        system.refresh();
        EXPECT_EQ(system.label("Label2")->text(), c.text);
        EXPECT_EQ(system.pageGauge()->progress(), c.usedPercent);
        EXPECT_EQ(system.label("Label4")->text(), "0hrs 0mins");
        EXPECT_EQ(system.warning()->isVisible(), c.warns);
        EXPECT_EQ(system.checkBox()->isChecked(), !c.warns);
        if (c.warns) {
            EXPECT_EQ(system.warning()->gauge()->progress(), c.usedPercent);
        }
    }
}

} // namespace
} // namespace pocketrix
