// Files anyone can drop into the program's folder: today's reminder, the help data and
// its pictures. Each gives its clear outcome and loses nothing the user wrote.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "app/core/helptext.h"
#include "pages/jotter.h"
#include "pages/mainform.h"
#include "tests/doubles/programundertest.h"
#include "windows/fronthlp.h"

namespace pocketrix {
namespace {

// Today's reminder file in a fresh current folder, there before the program starts.
struct ReminderInAFreshFolder {
    explicit ReminderInAFreshFolder(const QByteArray& bytes)
    {
        test::writeBytes(QStringLiteral("07122026.rem"), bytes);
    }
    test::InFreshFolder here;
};

// Today, 7 December 2026, with today's reminder file in the current folder.
struct TodaysReminder : ReminderInAFreshFolder, test::ProgramUnderTest {
    explicit TodaysReminder(const QByteArray& bytes)
        : ReminderInAFreshFolder(bytes), ProgramUnderTest({.now = test::reading(2026, 12, 7, 9, 0, 0)})
    {
        windows.show(main);
    }
    void pressJotter() { QTest::mouseClick(main->findChild<QToolButton*>("SpeedButton8"), Qt::LeftButton); }
    QList<TForm5*> jotters() const { return main->findChildren<TForm5*>(QString(), Qt::FindDirectChildrenOnly); }
};

TEST(FaultyReminder, OddContentIsShownAsTextAndConsumed)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        QString shown;
    } cases[] = {
        {"empty file", QByteArray(), QString()},
        {"binary with NUL bytes", QByteArray("ab\x01\xff\0cd\0ef", 10), QStringLiteral("ab\x01\u00ff")},
        {"8-bit text of another program", QByteArray("caf\xe9 cr\xe8me"), QStringLiteral("caf\u00e9 cr\u00e8me")},
        {"only carriage returns", QByteArray("\r\r\r"), QStringLiteral("\n\n\n")},
        {"lines split by lone CRs", QByteArray("one\rtwo\rthree"), QStringLiteral("one\ntwo\nthree")},
        {"NUL first", QByteArray("\0text", 5), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TodaysReminder program(c.bytes);
        ASSERT_EQ(program.main->state().ReminderPending, 1);
        program.pressJotter();
        EXPECT_TRUE(program.errors.messages().isEmpty()) << program.errors.messages().join(' ').toStdString();
        ASSERT_EQ(program.jotters().size(), 1);
        TForm5* jotter = program.jotters()[0];
        EXPECT_TRUE(jotter->isVisible());
        EXPECT_EQ(jotter->windowTitle(), "Jotter - Reminder!");
        EXPECT_EQ(jotter->memo()->toPlainText(), c.shown);
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("07122026.rem")));
        EXPECT_EQ(program.main->state().ReminderPending, 0);
    }
}

TEST(FaultyReminder, AnUnreadableFileStaysAndKeepsTheReminderWaiting)
{
    TodaysReminder program("Dentist at 9");
    ASSERT_EQ(program.main->state().ReminderPending, 1);
    ASSERT_EQ(chmod("07122026.rem", 0), 0);
    {
        const test::Unprivileged guard;
        program.pressJotter();
    }
    EXPECT_EQ(program.errors.messages(), QStringList{"Cannot open file 07122026.rem."});
    ASSERT_EQ(program.jotters().size(), 1);
    EXPECT_FALSE(program.jotters()[0]->isVisible());
    EXPECT_EQ(program.main->state().ReminderPending, 1);

    // Readable again, the next Jotter takes the reminder whole.
    ASSERT_EQ(chmod("07122026.rem", 0644), 0);
    program.errors.clear();
    program.pressJotter();
    EXPECT_TRUE(program.errors.messages().isEmpty());
    ASSERT_EQ(program.jotters().size(), 2);
    EXPECT_EQ(program.jotters()[1]->memo()->toPlainText(), "Dentist at 9");
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("07122026.rem")));
}

TEST(FaultyHelpData, NoFrontendFolderGivesOneMessagePerTopicAndNothingElse)
{
    const test::InFreshFolder here;
    test::RecordedErrors errors;
    DeferredStart deferred{errors};
    THelpful reader(errors, deferred);
    deferred.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return deferred.started(); }));
    EXPECT_EQ(errors.messages(), QStringList{"Cannot open file frontend/blank.bmp."});
    for (const char* button : {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"}) {
        SCOPED_TRACE(button);
        errors.clear();
        QTest::mouseClick(reader.findChild<QPushButton*>(button), Qt::LeftButton);
        EXPECT_EQ(errors.messages(), QStringList{"Cannot open file frontend/blank.bmp."});
        for (const char* memo : {"Memo1", "Memo2", "Memo3"})
            EXPECT_TRUE(reader.findChild<QTextEdit*>(memo)->toPlainText().isEmpty());
    }

    // The data put in place while the window is open is read at the next press.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("frontend")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETRIX_TEST_DATA "/help/blank.bmp"), "frontend/blank.bmp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETRIX_TEST_DATA "/help/wide.bmp"), "frontend/pktxhlp2.bmp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETRIX_TEST_DATA "/help/one-line.txt"), "frontend/pktxtxt3.txt"));
    errors.clear();
    QTest::mouseClick(reader.findChild<QPushButton*>("Button3"), Qt::LeftButton);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(' ').toStdString();
    EXPECT_EQ(reader.findChild<QTextEdit*>("Memo1")->toPlainText(), "System");
    EXPECT_FALSE(reader.findChild<QTextEdit*>("Memo2")->toPlainText().isEmpty());
}

// A bitmap file header and info header, with as many pixel bytes after them as given.
QByteArray bitmap(qint32 width, qint32 height, quint16 bitsPerPixel, qsizetype pixelBytes)
{
    const std::size_t palette = bitsPerPixel <= 8 ? std::size_t{4} << bitsPerPixel : 0;
    return QByteArray::fromStdString(test::bitmapFile(
        {.width = width, .height = height, .depth = bitsPerPixel, .palette = std::string(palette, '\x7f')},
        std::string(static_cast<std::size_t>(pixelBytes), '\x11')));
}

long virtualPeakKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmPeak:", 0) == 0)
            return std::stol(line.substr(7));
    return -1;
}

struct PictureLoad {
    std::string message;
    long peakGrowthKilobytes = -1;
};

// Loads the picture in a child process, whose peak address space starts at its size at
// the fork, so the peak it reaches afterwards is what the loading reserved.
PictureLoad loadInChild(const std::string& path)
{
    QLabel image;
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const long before = virtualPeakKilobytes();
        std::string message = "loaded";
        try {
            loadPicture(&image, path);
        } catch (const Error& error) {
            message = error.what();
        }
        const std::string report = std::to_string(virtualPeakKilobytes() - before) + " " + message;
        if (write(channel[1], report.data(), report.size()) < 0)
            _exit(2);
        _exit(0);
    }
    close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    PictureLoad load;
    std::istringstream in(report);
    in >> load.peakGrowthKilobytes;
    std::getline(in >> std::ws, load.message);
    return load;
}

TEST(FaultyPicture, AbsurdOrTruncatedBitmapsAreRefusedWithoutReservingTheirSize)
{
    const test::InFreshFolder here;
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"60000 x 60000 at 24 bits, no pixels", bitmap(60000, 60000, 24, 0), "Bitmap image is not valid"},
        {"top-down 60000 x 60000", bitmap(60000, -60000, 24, 0), "Bitmap image is not valid"},
        {"largest width, one row", bitmap(0x7fffffff, 1, 32, 0), "Bitmap image is not valid"},
        {"largest height, one column", bitmap(1, 0x7fffffff, 24, 0), "Bitmap image is not valid"},
        {"30000 x 30000 at 4 bits", bitmap(30000, 30000, 4, 64), "Bitmap image is not valid"},
        {"16000 x 16000 at 32 bits", bitmap(16000, 16000, 32, 64), "Bitmap image is not valid"},
        {"8000 x 8000 at 24 bits, one row of pixels", bitmap(8000, 8000, 24, 24000), "Bitmap image is not valid"},
        {"4000 x 4000 at 4 bits, truncated", bitmap(4000, 4000, 4, 100), "Bitmap image is not valid"},
        {"text named .bmp", QByteArray("just some text\n"), "Bitmap image is not valid"},
        {"empty file", QByteArray(), "Bitmap image is not valid"},
        {"2 x 2 missing its last row", bitmap(2, 2, 24, 8), "Bitmap image is not valid"},
        {"a whole 2 x 2 bitmap", bitmap(2, 2, 24, 16), "loaded"},
        {"2 x 2 without the last row's padding", bitmap(2, 2, 24, 14), "loaded"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::writeBytes(QStringLiteral("picture.bmp"), c.bytes);
        const PictureLoad load = loadInChild("picture.bmp");
        EXPECT_EQ(load.message, c.message);
        ASSERT_GE(load.peakGrowthKilobytes, 0);
        EXPECT_LT(load.peakGrowthKilobytes, 64 * 1024) << "kilobytes reserved while loading";
    }
}

TEST(FaultyPicture, TheHeaderCheckLeavesWhatItCannotJudgeToTheDecoder)
{
    const auto holds = [](const QByteArray& bytes) {
        return bitmapHoldsItsPixels(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                    static_cast<std::uint64_t>(bytes.size()));
    };
    QByteArray runLength = bitmap(4000, 4000, 4, 100);
    runLength[30] = 2; // run-length coded: its size says nothing of the rows
    QByteArray core("BM\0\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\x02\0\x02\0\x01\0\x18\0", 26);
    struct Case {
        const char* what;
        QByteArray bytes;
        bool holds;
    } cases[] = {
        {"1-bit 33 x 3, rows of 8 bytes", bitmap(33, 3, 1, 21), true},
        {"1-bit 33 x 3, one byte short", bitmap(33, 3, 1, 20), false},
        {"run-length coded", runLength, true},
        {"core header 2 x 2 with no pixels", core, false},
        {"core header 2 x 2 with its pixels", core + QByteArray(16, '\0'), true},
        {"not a bitmap", QByteArray("text"), true},
        {"zero width", bitmap(0, 10, 24, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(holds(c.bytes), c.holds);
    }
}

} // namespace
} // namespace pocketrix
