#include <vector>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "controls/monthcalendar.h"
#include "controls/updown.h"
#include "pages/calendarpage.h"
#include "pages/mainform.h"
#include "pages/remind.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

// The program started on a given date at 9:30, with the Calendar page's controls at hand.
struct Program : test::ProgramUnderTest {
    Program(int year, int month, int day) : ProgramUnderTest({.now = test::reading(year, month, day, 9, 30, 0)})
    {
        page = main->findChild<CalendarPage*>(QStringLiteral("TabSheet3"));
        calendar = page->calendar();
        monthList = page->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        yearEdit = page->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        spinner = page->findChild<UpDown*>(QStringLiteral("UpDown1"));
        generate = page->findChild<QPushButton*>(QStringLiteral("Button3"));
    }
    QToolButton* arrow(Qt::ArrowType type) const
    {
        for (auto* button : spinner->findChildren<QToolButton*>())
            if (button->arrowType() == type)
                return button;
        return nullptr;
    }

    CalendarPage* page = nullptr;
    MonthCalendar* calendar = nullptr;
    QComboBox* monthList = nullptr;
    QLineEdit* yearEdit = nullptr;
    UpDown* spinner = nullptr;
    QPushButton* generate = nullptr;
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
        // A release that follows the list's opening within a double click's interval may
        // be taken for the end of the click that opened it; with no such interval, the
        // click is the user's choice at once.
        QStyleHints* hints = QGuiApplication::styleHints();
        const int doubleClick = hints->mouseDoubleClickInterval();
        hints->setMouseDoubleClickInterval(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        hints->setMouseDoubleClickInterval(doubleClick);
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
// held nor releasing it steps again; a fresh click does. The arrow here repeats without
// delay, at every turn of the event loop.
TEST(CalendarPage, AHeldYearArrowStopsAtTheFirstStepThatRaises)
{
    Program program(2028, 2, 29);
    QToolButton* up = program.arrow(Qt::UpArrow);
    up->setAutoRepeatDelay(0);
    up->setAutoRepeatInterval(0);
    const auto turns = [](int count) {
        for (int turn = 0; turn < count; ++turn)
            QCoreApplication::processEvents();
    };
    QTest::mousePress(up, Qt::LeftButton);
    turns(10);
    EXPECT_EQ(program.yearEdit->text().toStdString(), "2029") << "the held arrow repeats";
    EXPECT_FALSE(up->isDown()) << "and comes up at the step that raised";
    QTest::mouseMove(up, up->rect().center() + QPoint(1, 0));
    turns(10);
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
    ASSERT_TRUE(program.reminder->isVisible());
    EXPECT_EQ(program.reminder->reminderTarget(), "15122026.rem");
    EXPECT_EQ(program.reminder->windowTitle(), QStringLiteral("Generate Reminder For December 15, 2026"));

    // A press while the window is up changes nothing.
    program.calendar->setDay(20);
    QTest::mouseClick(program.generate, Qt::LeftButton);
    EXPECT_EQ(program.reminder->reminderTarget(), "15122026.rem");
    EXPECT_EQ(program.reminder->windowTitle(), QStringLiteral("Generate Reminder For December 15, 2026"));
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

} // namespace
} // namespace pocketrix
