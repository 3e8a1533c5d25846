#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/core/reminderfile.h"
#include "app/shell/windowset.h"
#include "controls/monthcalendar.h"
#include "controls/updown.h"
#include "pages/calendarpage.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "tests/doubles.h"
#include "tests/mainandreminder.h"

namespace pocketrix {
namespace {

// The program started on a given date, with the Calendar page's controls at hand.
struct Program : test::MainAndReminder {
    Program(int year, int month, int day) : MainAndReminder(year, month, day)
    {
        page = main->findChild<CalendarPage*>(QStringLiteral("TabSheet3"));
        calendar = page->calendar();
        monthList = page->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        yearEdit = page->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        spinner = page->findChild<UpDown*>(QStringLiteral("UpDown1"));
        generate = page->findChild<QPushButton*>(QStringLiteral("Button3"));
        memo = form3->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    }
    QToolButton* arrow(Qt::ArrowType type) const
    {
        for (auto* button : spinner->findChildren<QToolButton*>())
            if (button->arrowType() == type)
                return button;
        return nullptr;
    }
    void pressButton(const char* name) const
    {
        QTest::mouseClick(form3->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    CalendarPage* page = nullptr;
    MonthCalendar* calendar = nullptr;
    QComboBox* monthList = nullptr;
    QLineEdit* yearEdit = nullptr;
    UpDown* spinner = nullptr;
    QPushButton* generate = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST(CalendarPage, OpensOnTheStartDate)
{
    struct Case {
        int year, month, day;
        const char* monthName;
        const char* reminder;
    } cases[] = {{2026, 12, 7, "December", "07122026.rem"},
                 {2027, 1, 1, "January", "01012027.rem"},
                 {2026, 11, 25, "November", "25112026.rem"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reminder);
        Program program(c.year, c.month, c.day);
        EXPECT_EQ(program.calendar->Day(), c.day);
        EXPECT_EQ(program.monthList->currentText(), QString::fromLatin1(c.monthName));
        EXPECT_EQ(program.yearEdit->text(), QString::number(c.year));
        EXPECT_EQ(program.spinner->position(), c.year);
        EXPECT_EQ(program.main->state().TodayReminderName, c.reminder);
        EXPECT_EQ(program.main->state().DayText, std::to_string(c.day));
        EXPECT_TRUE(program.errors.messages().isEmpty());
    }
}

TEST(CalendarPage, AMonthWithoutTheDayIsRefusedAndTheListKeepsTheChoice)
{
    Program program(2026, 1, 30);
    QTest::keyClick(program.monthList, Qt::Key_Down);
    EXPECT_EQ(program.errors.messages(), QStringList{QStringLiteral("Invalid argument to date encode.")});
    EXPECT_EQ(program.monthList->currentText(), QStringLiteral("February"));
    EXPECT_EQ(program.calendar->Month(), 1);
    EXPECT_EQ(program.calendar->Day(), 30);

    QTest::keyClick(program.monthList, Qt::Key_Down);
    EXPECT_EQ(program.calendar->Month(), 3);
    EXPECT_EQ(program.calendar->Day(), 30);
    EXPECT_EQ(program.errors.messages().size(), 1);
}

// Chooses a month in the open list of the month box, as the user would.
void pickFromList(QComboBox* box, int index, bool byMouse)
{
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    const QModelIndex item = list->model()->index(index, 0);
    if (byMouse) {
        // The list ignores a release that follows its opening too closely.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    } else {
        list->setCurrentIndex(item);
        QTest::keyClick(list, Qt::Key_Return);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
}

TEST(CalendarPage, PickingTheMonthAlreadyChosenRunsNothing)
{
    for (const bool byMouse : {false, true}) {
        SCOPED_TRACE(byMouse ? "by mouse" : "by keyboard");
        Program program(2026, 1, 30);
        QTest::keyClick(program.monthList, Qt::Key_Down);
        ASSERT_EQ(program.errors.messages().size(), 1);

        pickFromList(program.monthList, 1, byMouse); // February again
        EXPECT_EQ(program.errors.messages().size(), 1) << "no second message for the same choice";
        EXPECT_EQ(program.monthList->currentText(), QStringLiteral("February"));
        EXPECT_EQ(program.calendar->Month(), 1);

        pickFromList(program.monthList, 2, byMouse); // a real change still moves the calendar
        EXPECT_EQ(program.calendar->Month(), 3);
        EXPECT_EQ(program.calendar->Day(), 30);
        EXPECT_EQ(program.errors.messages().size(), 1);
    }
}

TEST(CalendarPage, AYearWithoutTheDayIsRefusedAndTheSpinnerKeepsTheChoice)
{
    Program program(2028, 2, 29);
    QTest::keyClick(program.yearEdit, Qt::Key_Up);
    EXPECT_EQ(program.errors.messages(), QStringList{QStringLiteral("Invalid argument to date encode.")});
    EXPECT_EQ(program.yearEdit->text(), QStringLiteral("2029"));
    EXPECT_EQ(program.calendar->Year(), 2028);

    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(program.arrow(Qt::UpArrow), Qt::LeftButton);
    EXPECT_EQ(program.yearEdit->text(), QStringLiteral("2032"));
    EXPECT_EQ(program.calendar->Year(), 2032);
    EXPECT_EQ(program.calendar->Day(), 29);
    EXPECT_EQ(program.errors.messages().size(), 3); // 2029, 2030 and 2031
}

// A held arrow key repeats no further once a step raised; pressing it again steps on.
TEST(CalendarPage, AHeldYearKeyStopsAtTheFirstStepThatRaises)
{
    Program program(2028, 2, 29);
    auto press = [&](bool repeat) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(program.yearEdit, &key);
    };
    press(false);
    for (int i = 0; i < 5; ++i)
        press(true);
    EXPECT_EQ(program.yearEdit->text().toStdString(), "2029");
    EXPECT_EQ(program.errors.messages().size(), 1);
    press(false);
    EXPECT_EQ(program.yearEdit->text().toStdString(), "2030");
    EXPECT_EQ(program.errors.messages().size(), 2);
}

// A held arrow stops at the first step that raises: neither moving over it while still
// held nor releasing it steps again; a fresh click does.
TEST(CalendarPage, AHeldYearArrowStopsAtTheFirstStepThatRaises)
{
    Program program(2028, 2, 29);
    QToolButton* up = program.arrow(Qt::UpArrow);
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(700);
    QTest::mouseMove(up, up->rect().center() + QPoint(1, 0));
    QTest::qWait(700);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(program.yearEdit->text().toStdString(), "2029");
    EXPECT_EQ(program.errors.messages().size(), 1);
    EXPECT_FALSE(up->isDown());
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(program.yearEdit->text().toStdString(), "2030");
    EXPECT_EQ(program.errors.messages().size(), 2);
}

TEST(CalendarPage, TheSpinnerStopsAt1700And2300)
{
    struct Case {
        int year;
        Qt::ArrowType beyond;
        Qt::Key beyondKey;
    } cases[] = {{2300, Qt::UpArrow, Qt::Key_Up}, {1700, Qt::DownArrow, Qt::Key_Down}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        Program program(c.year, 6, 15);
        QTest::mouseClick(program.arrow(c.beyond), Qt::LeftButton);
        QTest::keyClick(program.yearEdit, c.beyondKey);
        EXPECT_EQ(program.yearEdit->text(), QString::number(c.year));
        EXPECT_EQ(program.spinner->position(), c.year);
        EXPECT_EQ(program.calendar->Year(), c.year);
    }
    Program program(2300, 6, 15);
    QTest::keyClick(program.yearEdit, Qt::Key_Down);
    EXPECT_EQ(program.yearEdit->text(), QStringLiteral("2299"));
    EXPECT_EQ(program.calendar->Year(), 2299);
}

TEST(CalendarPage, GenerateReminderOpensTheWindowForTheChosenDay)
{
    Program program(2026, 12, 7);
    program.calendar->setDay(15);
    QTest::mouseClick(program.generate, Qt::LeftButton);
    ASSERT_TRUE(program.form3->isVisible());
    EXPECT_EQ(program.form3->reminderTarget(), "15122026.rem");
    EXPECT_EQ(program.form3->windowTitle(), QStringLiteral("Generate Reminder For December 15, 2026"));

    // A press while the window is up changes nothing.
    program.calendar->setDay(20);
    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.form3->reminderTarget(), "15122026.rem");
    EXPECT_EQ(program.form3->windowTitle(), QStringLiteral("Generate Reminder For December 15, 2026"));
}

// Both drop-down lists of the pages are defined with items 13 pixels high.
TEST(CalendarPage, DropDownItemsAreThirteenPixelsHigh)
{
    Program program(2026, 12, 7);
    program.main->show();
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        SCOPED_TRACE(name);
        auto* list = program.main->findChild<QComboBox*>(QString::fromLatin1(name));
        ASSERT_NE(list, nullptr);
        list->showPopup();
        QAbstractItemView* items = list->view();
        ASSERT_TRUE(QTest::qWaitFor([items] { return items->isVisible(); }));
        std::vector<int> heights;
        for (int row = 0; row < list->count(); ++row)
            heights.push_back(items->visualRect(list->model()->index(row, 0)).height());
        EXPECT_EQ(heights, std::vector<int>(static_cast<std::size_t>(list->count()), 13));
        list->hidePopup();
    }
}

TEST(ReminderWindow, OkWritesTheTypedLinesAndCancelKeepsThem)
{
    const test::InFreshFolder folder;
    Program program(2026, 12, 7);
    EXPECT_TRUE(program.memo->toPlainText().isEmpty());

    QTest::mouseClick(program.generate, Qt::LeftButton);
    QTest::keyClicks(program.memo, QStringLiteral("abcdefgh"));
    QTest::keyClick(program.memo, Qt::Key_Return); // a line break, not OK
    EXPECT_TRUE(program.form3->isVisible());
    QTest::keyClicks(program.memo, QStringLiteral("12345678"));
    program.pressButton("Button1");
    EXPECT_FALSE(program.form3->isVisible());
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), QByteArrayLiteral("abcdefgh\r\n12345678"));

    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.memo->toPlainText(), QStringLiteral("abcdefgh\n12345678"));
    program.pressButton("Button2");
    EXPECT_FALSE(program.form3->isVisible());
    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.memo->toPlainText(), QStringLiteral("abcdefgh\n12345678"));

    // A line longer than the memo is wide wraps on screen only.
    program.memo->clear();
    const QString longLine = QStringLiteral("word ").repeated(30);
    QTest::keyClicks(program.memo, longLine);
    program.pressButton("Button1");
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), longLine.toLatin1());

    QTest::mouseClick(program.generate, Qt::LeftButton);
    program.memo->clear();
    program.pressButton("Button1");
    EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), QByteArray());
}

// Types text as keys would, one character at a time; "\n" is Enter and "\v" Shift+Enter.
void typeInto(QWidget* widget, const QString& typed)
{
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'\n' || typed[i] == u'\v') {
            QTest::keyClick(widget, Qt::Key_Return, typed[i] == u'\v' ? Qt::ShiftModifier : Qt::NoModifier);
            continue;
        }
        const qsizetype length = typed[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, typed.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

TEST(ReminderWindow, OkWritesEverythingTypedByteForByte)
{
    const test::InFreshFolder folder;
    struct Case {
        const char* what;
        QString typed;
        QByteArray bytes;
    } cases[] = {
        {"a non-breaking space", QStringLiteral("9\u00a0am"), QByteArray("9\xc2\xa0") + "am"},
        {"letters of every plane", QStringLiteral("\u20ac \u0f40 \U0001f600"),
         QByteArrayLiteral("\xe2\x82\xac \xe0\xbd\x80 \xf0\x9f\x98\x80")},
        {"Enter and Shift+Enter both break the line", QStringLiteral("one\ntwo\vthree"),
         QByteArrayLiteral("one\r\ntwo\r\nthree")},
    };
    Program program(2026, 12, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::mouseClick(program.generate, Qt::LeftButton);
        program.memo->clear();
        typeInto(program.memo, c.typed);
        program.pressButton("Button1");
        EXPECT_EQ(test::fileBytes(QStringLiteral("07122026.rem")), c.bytes);
    }
}

TEST(ReminderWindow, ARefusedTextKeepsTheWindowTextAndWritesNothing)
{
    // Lines of 64 characters, 65 bytes each once written with CR LF.
    const auto full = static_cast<qsizetype>(kMemoCapacity);
    const auto lines = [](qsizetype count) { return (QString(63, u'x') + u'\n').repeated(count); };
    struct Case {
        const char* what;
        bool folderUnderTheName;
        QString text;
        QString message;
    } cases[] = {
        {"a folder under the name", true, QStringLiteral("remember"),
         QStringLiteral("Cannot create file 07122026.rem.")},
        {"more than the Jotter holds, a line break counted as CR LF", false, lines(full / 64),
         QStringLiteral("Text exceeds memo capacity.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const test::InFreshFolder folder;
        Program program(2026, 12, 7);
        if (c.folderUnderTheName) {
            ASSERT_TRUE(QDir().mkdir(QStringLiteral("07122026.rem")));
        }
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QTest::mouseClick(program.generate, Qt::LeftButton);
        program.memo->setPlainText(c.text);
        program.pressButton("Button1");
        EXPECT_EQ(program.errors.messages(), QStringList{c.message});
        EXPECT_TRUE(program.form3->isVisible());
        EXPECT_EQ(program.memo->toPlainText(), c.text);
        EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }
}

} // namespace
} // namespace pocketrix
