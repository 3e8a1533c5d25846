#include <optional>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/core/reminderfile.h"
#include "pages/jotter.h"
#include "pages/mainform.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The program at 22:28:05 on 7 December 2026 with its main window up, once started; the
// launchers' program starter records the names it is given.
struct ProgramsFixture : ::testing::Test {
    std::optional<test::ProgramUnderTest> program;
    Tmainform* main = nullptr;

    void SetUp() override { start(); }
    void start()
    {
        program.emplace();
        main = program->main;
        program->windows.show(main);
    }

    void press(const char* name) { QTest::mouseClick(main->findChild<QToolButton*>(name), Qt::LeftButton); }
    QList<TForm5*> jotters() const { return main->findChildren<TForm5*>(QString(), Qt::FindDirectChildrenOnly); }
};

TEST_F(ProgramsFixture, EveryPressOpensANewJotterAtTheSamePlace)
{
    const QColor expected[] = {{0, 128, 0}, {128, 0, 128}, {0, 128, 128},   {255, 0, 0},  {255, 255, 0},
                               {0, 0, 255}, {255, 0, 255}, {192, 192, 192}, {0, 0, 0},    {255, 255, 255},
                               {128, 0, 0}, {0, 0, 128},   {0, 128, 0},     {128, 0, 128}};
    for (int press = 0; press < 14; ++press)
        this->press("SpeedButton8");
    const auto opened = jotters();
    ASSERT_EQ(opened.size(), 14);
    for (int i = 0; i < opened.size(); ++i) {
        SCOPED_TRACE(i + 1);
        TForm5* jotter = opened[i];
        EXPECT_TRUE(jotter->isVisible());
        EXPECT_EQ(jotter->windowTitle(), "Jotter");
        EXPECT_EQ(jotter->pos(), QPoint(274, 212));
        EXPECT_EQ(jotter->size(), QSize(201, 189));
        EXPECT_EQ(jotter->palette().color(QPalette::Window), expected[i]);
        EXPECT_TRUE(jotter->memo()->toPlainText().isEmpty());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return program->windows.activeWindow() == opened.last(); }));
}

TEST_F(ProgramsFixture, AClosedJotterIsHiddenForGood)
{
    press("SpeedButton8");
    TForm5* jotter = jotters().value(0);
    ASSERT_NE(jotter, nullptr);
    jotter->memo()->setPlainText("scratch");
    jotter->close();
    EXPECT_FALSE(jotter->isVisible());
    press("SpeedButton8");
    EXPECT_EQ(jotters().size(), 2);
    EXPECT_FALSE(jotter->isVisible());
}

TEST_F(ProgramsFixture, ComingBackFromAJotterCancelsASetAlarm)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->windows.activeWindow() == main; }));
    auto* alarmPage = main->findChild<QWidget*>("TabSheet5");
    QTest::mouseClick(alarmPage->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    ASSERT_EQ(main->state().AlarmSet, 1);
    press("SpeedButton8");
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->windows.activeWindow() == jotters().value(0); }));
    EXPECT_EQ(main->state().AlarmSet, 1);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->windows.activeWindow() == main; }));
    EXPECT_EQ(main->state().AlarmSet, 0);
    EXPECT_FALSE(alarmPage->findChild<QPushButton*>("Button2")->isVisibleTo(alarmPage));
}

TEST_F(ProgramsFixture, LaunchersPassTheBareNames)
{
    press("SpeedButton2");
    press("SpeedButton6");
    EXPECT_EQ(program->programs.started, (QStringList{"lookabt.exe", "cogitron.exe"}));
    EXPECT_TRUE(program->errors.messages().isEmpty()) << "a missing program shows nothing";
    EXPECT_TRUE(program->errors.information().isEmpty());
}

TEST_F(ProgramsFixture, OutsideApplicationsSaySo)
{
    press("SpeedButton3");
    press("SpeedButton4");
    press("SpeedButton7");
    const QStringList& information = program->errors.information();
    ASSERT_EQ(information.size(), 3);
    EXPECT_TRUE(information[0].startsWith("Dialfolio"));
    EXPECT_TRUE(information[1].startsWith("Swapulator"));
    EXPECT_TRUE(information[2].startsWith("Sumbright"));
    for (const QString& text : information)
        EXPECT_TRUE(text.contains("not part of Pocketrix"));
}

// Today is 7 December 2026; its reminder file is 07122026.rem in the current folder.
struct ReminderFixture : ProgramsFixture {
    test::InFreshFolder folder;

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    static void write(const QByteArray& bytes) { test::writeBytes("07122026.rem", bytes); }
    QString jotterTip() const { return main->findChild<QToolButton*>("SpeedButton8")->toolTip(); }
};

TEST_F(ReminderFixture, TodaysReminderWaitsForTheNextJotterAndIsConsumed)
{
    write("Dentist at 9\r\nBring the card");
    start();
    EXPECT_EQ(main->state().ReminderPending, 1);
    EXPECT_EQ(jotterTip(), "Jotter - Reminder!");

    press("SpeedButton8");
    ASSERT_EQ(jotters().size(), 1);
    TForm5* reminder = jotters()[0];
    EXPECT_TRUE(reminder->isVisible());
    EXPECT_EQ(reminder->windowTitle(), "Jotter - Reminder!");
    EXPECT_EQ(reminder->memo()->toPlainText(), "Dentist at 9\nBring the card");
    EXPECT_FALSE(QFile::exists("07122026.rem"));
    EXPECT_EQ(main->state().ReminderPending, 0);
    EXPECT_EQ(jotterTip(), "Jotter");

    press("SpeedButton8");
    ASSERT_EQ(jotters().size(), 2);
    EXPECT_EQ(jotters()[1]->windowTitle(), "Jotter");
    EXPECT_TRUE(jotters()[1]->memo()->toPlainText().isEmpty());
}

TEST_F(ReminderFixture, NoFileMeansNoReminder)
{
    start();
    EXPECT_EQ(main->state().ReminderPending, 0);
    EXPECT_EQ(jotterTip(), "Jotter");
}

TEST_F(ReminderFixture, AReminderWrittenForTodayRaisesTheFlag)
{
    start();
    main->reminderWritten("08122026.rem");
    EXPECT_EQ(main->state().ReminderPending, 0) << "another day's reminder waits for that day";
    main->reminderWritten("07122026.rem");
    EXPECT_EQ(main->state().ReminderPending, 1);
    EXPECT_EQ(jotterTip(), "Jotter - Reminder!");
}

struct Unreadable {
    const char* what;
    void (*make)();  // before start-up
    void (*spoil)(); // after start-up, or nothing
    const char* message;
};

void PrintTo(const Unreadable& c, std::ostream* out) { *out << c.what; }

struct UnreadableReminder : ReminderFixture, ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableReminder, KeepsTheReminderWaitingAndTheFileInPlace)
{
    GetParam().make();
    start();
    ASSERT_EQ(main->state().ReminderPending, 1);
    if (GetParam().spoil != nullptr)
        GetParam().spoil();
    const auto entries = [] { return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    const QStringList before = entries();
    press("SpeedButton8");
    EXPECT_EQ(program->errors.messages(), QStringList{GetParam().message});
    ASSERT_EQ(jotters().size(), 1);
    EXPECT_FALSE(jotters()[0]->isVisible());
    EXPECT_EQ(jotters()[0]->windowTitle(), "Jotter - Reminder!");
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(main->state().ReminderPending, 1);
    press("SpeedButton8"); // the next press tries again
    EXPECT_EQ(program->errors.messages().size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableReminder,
    ::testing::Values(
        Unreadable{"replaced by a folder after start-up", [] { ReminderFixture::write("Dentist at 9"); },
                   [] {
                       QFile::remove("07122026.rem");
                       QDir().mkdir("07122026.rem");
                   },
                   "Cannot open file 07122026.rem."},
        Unreadable{"replaced by a named pipe after start-up", [] { ReminderFixture::write("Dentist at 9"); },
                   [] {
                       QFile::remove("07122026.rem");
                       ASSERT_EQ(mkfifo("07122026.rem", 0644), 0);
                   },
                   "Cannot open file 07122026.rem."},
        Unreadable{"taken by another instance after start-up", [] { ReminderFixture::write("Dentist at 9"); },
                   [] { QFile::remove("07122026.rem"); }, "Cannot open file 07122026.rem."},
        Unreadable{"a text over the capacity",
                   [] { ReminderFixture::write(QByteArray(static_cast<qsizetype>(kMemoCapacity) + 1, 'x')); }, nullptr,
                   "Text exceeds memo capacity."}));

struct Entry {
    const char* what;
    void (*make)();
    bool raises;
};

void PrintTo(const Entry& c, std::ostream* out) { *out << c.what; }

struct TodaysEntry : ReminderFixture, ::testing::WithParamInterface<Entry> {};

TEST_P(TodaysEntry, RaisesTheFlagOnlyWhenItIsAReadableFile)
{
    GetParam().make();
    start();
    const bool raises = GetParam().raises;
    EXPECT_EQ(main->state().ReminderPending, raises ? 1 : 0);
    EXPECT_EQ(jotterTip(), raises ? "Jotter - Reminder!" : "Jotter");
    press("SpeedButton8");
    EXPECT_TRUE(program->errors.messages().isEmpty()) << program->errors.messages().join(' ').toStdString();
    ASSERT_EQ(jotters().size(), 1);
    EXPECT_TRUE(jotters()[0]->isVisible());
    EXPECT_EQ(jotters()[0]->windowTitle(), raises ? "Jotter - Reminder!" : "Jotter");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TodaysEntry,
    ::testing::Values(Entry{"a readable file", [] { ReminderFixture::write("Dentist at 9"); }, true},
                      Entry{"a folder", [] { QDir().mkdir("07122026.rem"); }, false},
                      Entry{"a named pipe", [] { ASSERT_EQ(mkfifo("07122026.rem", 0644), 0); }, false}));

} // namespace
} // namespace pocketrix
