#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "controls/monthcalendar.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

// A calendar on the page's footprint, shown so that it has its client size.
struct Calendar {
    explicit Calendar(int year, int month, int day) : clock(year, month, day)
    {
        widget.setToday(clock.now());
        widget.resize(193, 101);
        widget.show();
        QObject::connect(&widget, &MonthCalendar::OnClick, [this] { events.push_back("click"); });
        QObject::connect(&widget, &MonthCalendar::OnChange, [this] { events.push_back("change"); });
    }
    void click(int column, int row)
    {
        QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.cellRect({column, row}).center());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&widget, static_cast<Qt::Key>(key), modifiers);
    }

    test::SettableClock clock;
    MonthCalendar widget;
    std::vector<std::string> events;
};

TEST(MonthCalendar, TakesTheClockDateAndSizesItsCells)
{
    Calendar calendar(2026, 12, 7);
    EXPECT_EQ(calendar.widget.Year(), 2026);
    EXPECT_EQ(calendar.widget.Month(), 12);
    EXPECT_EQ(calendar.widget.Day(), 7);
    EXPECT_TRUE(calendar.widget.UseCurrentDate());
    EXPECT_EQ(calendar.widget.selectedCell(), (GridCell{1, 2}));
    EXPECT_EQ(calendar.widget.contentsRect().size(), QSize(189, 97));
    EXPECT_EQ(calendar.widget.columnWidth(), 26);
    EXPECT_EQ(calendar.widget.rowHeight(), 13);
    EXPECT_EQ(calendar.widget.cellText({0, 0}), QStringLiteral("Sun"));
}

TEST(MonthCalendar, ShowsItsFirstDateUntilGivenToday)
{
    MonthCalendar widget;
    EXPECT_EQ(widget.model().date(), (CalendarDate{1, 1, 1}));
    EXPECT_EQ(widget.cellText(widget.selectedCell()), QStringLiteral("1"));
}

TEST(MonthCalendar, ProgramChangesRaiseOnChangeOnlyWhenTheDateMoves)
{
    Calendar calendar(2026, 1, 31);
    for (const int value : {0, -3, 13, 1})
        calendar.widget.setMonth(value);
    calendar.widget.setDay(31);
    calendar.widget.setYear(2026);
    EXPECT_TRUE(calendar.events.empty());
    EXPECT_TRUE(calendar.widget.UseCurrentDate());

    EXPECT_THROW(calendar.widget.setMonth(2), Error);
    EXPECT_TRUE(calendar.events.empty());
    EXPECT_TRUE(calendar.widget.UseCurrentDate());
    EXPECT_EQ(calendar.widget.Month(), 1);
    EXPECT_EQ(calendar.widget.selectedCell(), calendar.widget.model().cellOfDay(31));

    calendar.widget.setMonth(3);
    EXPECT_EQ(calendar.events, std::vector<std::string>{"change"});
    EXPECT_FALSE(calendar.widget.UseCurrentDate());
    EXPECT_EQ(calendar.widget.selectedCell(), calendar.widget.model().cellOfDay(31));

    calendar.clock.set(2027, 5, 4, 0, 0, 0);
    calendar.widget.setToday(calendar.clock.now());
    calendar.widget.setUseCurrentDate(true);
    EXPECT_EQ(calendar.widget.Year(), 2027);
    EXPECT_EQ(calendar.widget.Day(), 4);
    EXPECT_EQ(calendar.events.size(), 1U);
}

TEST(MonthCalendar, ACurrentDateThatIsNoDateChangesNothing)
{
    Calendar calendar(2026, 1, 31);
    calendar.widget.setMonth(3);
    calendar.clock.set(10000, 1, 1, 0, 0, 0);
    calendar.widget.setToday(calendar.clock.now());
    EXPECT_THROW(calendar.widget.setUseCurrentDate(true), Error);
    EXPECT_FALSE(calendar.widget.UseCurrentDate());
    EXPECT_EQ(calendar.widget.model().date(), (CalendarDate{2026, 3, 31}));

    // A clock moving on later is not taken for the date the user set.
    calendar.clock.set(2027, 5, 4, 0, 0, 0);
    calendar.widget.setToday(calendar.clock.now());
    EXPECT_EQ(calendar.widget.model().date(), (CalendarDate{2026, 3, 31}));
}

TEST(MonthCalendar, MouseClicks)
{
    Calendar calendar(2026, 12, 7);
    calendar.click(0, 1); // blank
    EXPECT_EQ(calendar.events, std::vector<std::string>{"click"});
    EXPECT_EQ(calendar.widget.Day(), 7);
    calendar.events.clear();

    calendar.click(3, 0); // header
    EXPECT_TRUE(calendar.events.empty());
    EXPECT_EQ(calendar.widget.Day(), 7);

    calendar.click(2, 3); // 15 December
    EXPECT_EQ(calendar.events, (std::vector<std::string>{"click", "change"}));
    EXPECT_EQ(calendar.widget.Day(), 15);
    EXPECT_EQ(calendar.widget.selectedCell(), (GridCell{2, 3}));
}

TEST(MonthCalendar, DraggingTakesTheDayUnderTheRelease)
{
    Calendar calendar(2026, 12, 7);
    QTest::mousePress(&calendar.widget, Qt::LeftButton, {}, calendar.widget.cellRect({3, 1}).center());
    QTest::mouseMove(&calendar.widget, calendar.widget.cellRect({0, 1}).center()); // blank: refused
    QTest::mouseMove(&calendar.widget, calendar.widget.cellRect({4, 2}).center());
    EXPECT_EQ(calendar.widget.selectedCell(), (GridCell{4, 2}));
    EXPECT_EQ(calendar.widget.Day(), 7);
    QTest::mouseRelease(&calendar.widget, Qt::LeftButton, {}, calendar.widget.cellRect({4, 2}).center());
    EXPECT_EQ(calendar.widget.Day(), 10);
    EXPECT_EQ(calendar.events, (std::vector<std::string>{"click", "change"}));
}

TEST(MonthCalendar, ReadOnlyRefusesTheUserButNotTheProgram)
{
    Calendar calendar(2026, 12, 7);
    calendar.widget.setReadOnly(true);
    calendar.click(2, 3);
    calendar.key(Qt::Key_Right);
    EXPECT_EQ(calendar.widget.Day(), 7);
    EXPECT_EQ(calendar.widget.selectedCell(), (GridCell{1, 2}));
    EXPECT_EQ(calendar.events, (std::vector<std::string>{"click", "click"}));
    calendar.widget.setDay(20);
    EXPECT_EQ(calendar.widget.selectedCell(), (GridCell{0, 4}));
}

TEST(MonthCalendar, KeyboardNavigation)
{
    struct Case {
        const char* what;
        CalendarDate start;
        int key;
        Qt::KeyboardModifiers modifiers;
        int day;    // the day afterwards
        bool click; // whether OnClick was raised
    } cases[] = {
        {"Left", {2026, 12, 7}, Qt::Key_Left, {}, 6, true},
        {"Right", {2026, 12, 7}, Qt::Key_Right, {}, 8, true},
        {"Up onto a blank cell", {2026, 12, 7}, Qt::Key_Up, {}, 7, true},
        {"Down", {2026, 12, 7}, Qt::Key_Down, {}, 14, true},
        {"Home", {2026, 12, 9}, Qt::Key_Home, {}, 6, true},
        {"End", {2026, 12, 9}, Qt::Key_End, {}, 12, true},
        {"Right on the last day", {2026, 12, 31}, Qt::Key_Right, {}, 31, true},
        {"Left in column 0", {2026, 12, 6}, Qt::Key_Left, {}, 6, false},
        {"Up in week row 1", {2026, 12, 3}, Qt::Key_Up, {}, 3, false},
        {"Page Down moves five rows", {2026, 8, 2}, Qt::Key_PageDown, {}, 30, true},
        {"Page Up stops at week row 1", {2026, 2, 22}, Qt::Key_PageUp, {}, 1, true},
        {"Ctrl+Home", {2026, 2, 18}, Qt::Key_Home, Qt::ControlModifier, 1, true},
        {"Ctrl+End is always blank", {2026, 8, 5}, Qt::Key_End, Qt::ControlModifier, 5, true},
        {"Ctrl+Page Up", {2026, 12, 17}, Qt::Key_PageUp, Qt::ControlModifier, 3, true},
        {"Ctrl+Page Down", {2026, 8, 24}, Qt::Key_PageDown, Qt::ControlModifier, 31, true},
        {"Ctrl+Left", {2026, 12, 12}, Qt::Key_Left, Qt::ControlModifier, 6, true},
        {"Ctrl+Right", {2026, 12, 6}, Qt::Key_Right, Qt::ControlModifier, 12, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Calendar calendar(c.start.year, c.start.month, c.start.day);
        calendar.key(c.key, c.modifiers);
        EXPECT_EQ(calendar.widget.Day(), c.day);
        EXPECT_EQ(calendar.widget.selectedCell(), calendar.widget.model().cellOfDay(c.day));
        const bool clicked = !calendar.events.empty() && calendar.events.front() == "click";
        EXPECT_EQ(clicked, c.click);
    }
}

TEST(MonthCalendar, DrawsHighlightHeaderAndLines)
{
    Calendar calendar(2026, 12, 7);
    const QImage image = calendar.widget.grab().toImage();
    const QPalette& colours = calendar.widget.palette();
    const QRect selected = calendar.widget.cellRect({1, 2});
    const QRect header = calendar.widget.cellRect({5, 0});
    const QRect day = calendar.widget.cellRect({3, 3});
    EXPECT_EQ(image.pixelColor(selected.left() + 1, selected.top() + 1), colours.color(QPalette::Highlight));
    EXPECT_EQ(image.pixelColor(header.left() + 2, header.top() + 1), colours.color(QPalette::Button));
    EXPECT_EQ(image.pixelColor(header.left() + 2, header.bottom() + 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(day.right() + 1, day.top() + 2), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(day.left() + 2, day.bottom() + 1), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(day.left() + 1, day.top() + 1), colours.color(QPalette::Base));
}

// Lines run only between cells: the column of pixels that the rounding of the column
// width leaves after column 6 has the control's colour.
TEST(MonthCalendar, DrawsLinesOnlyBetweenCells)
{
    Calendar calendar(2026, 12, 7);
    const QImage image = calendar.widget.grab().toImage();
    const QColor base = calendar.widget.palette().color(QPalette::Base);
    ASSERT_EQ(calendar.widget.cellRect({6, 0}).right() + 1, calendar.widget.contentsRect().right())
        << "one spare column of pixels at the right";
    struct Probe {
        const char* what;
        GridCell cell;
        QColor colour;
    } probes[] = {
        {"between the last two header cells", {5, 0}, QColor(0, 0, 0)},
        {"between the last two day cells", {5, 3}, QColor(192, 192, 192)},
        {"right of the last header cell", {6, 0}, base},
        {"right of the last day cell", {6, 3}, base},
        {"right of the last cell of week row 6", {6, 6}, base},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.what);
        const QRect cell = calendar.widget.cellRect(probe.cell);
        QStringList column;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            column << image.pixelColor(cell.right() + 1, y).name();
        EXPECT_EQ(column.join(' ').toStdString(),
                  QStringList(QList<QString>(column.size(), probe.colour.name())).join(' ').toStdString());
    }
    // No line below week row 6: the rows fill the client area exactly.
    EXPECT_EQ(calendar.widget.cellRect({0, 6}).bottom(), calendar.widget.contentsRect().bottom());
}

} // namespace
} // namespace pocketrix
