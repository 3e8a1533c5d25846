#include "controls/monthmodel.h"

#include <limits>
#include <utility>

#include "app/core/errors.h"
#include "app/core/timetext.h"

namespace pocketrix {

int monthOffset(int firstWeekday, int startOfWeek)
{
    const int r = ((firstWeekday - startOfWeek) % 7 + 7) % 7;
    return r == 0 ? -5 : 2 - r;
}

MonthModel::MonthModel(CalendarDate date, int startOfWeek) : m_startOfWeek(startOfWeek) { setDate(date); }

void MonthModel::setDate(const CalendarDate& date)
{
    if (!isValidDate(date.year, date.month, date.day))
        throw Error(kDateEncodeError);
    m_date = date;
}

bool MonthModel::setElement(DateElement element, int value)
{
    CalendarDate next = m_date;
    const auto [field, limit] = element == DateElement::Year    ? std::pair{&next.year, std::numeric_limits<int>::max()}
                                : element == DateElement::Month ? std::pair{&next.month, 12}
                                                                : std::pair{&next.day, daysInThisMonth()};
    if (value <= 0 || value > limit || value == *field)
        return false;
    *field = value;
    setDate(next);
    return true;
}

int MonthModel::offset() const { return monthOffset(weekdayOf(m_date.year, m_date.month, 1), m_startOfWeek); }

int MonthModel::dayAt(GridCell cell) const
{
    if (cell.row < 1 || cell.row >= kGridRows || cell.column < 0 || cell.column >= kGridColumns)
        return 0;
    const int n = cell.column + offset() + 7 * (cell.row - 1);
    return n < 1 || n > daysInThisMonth() ? 0 : n;
}

std::string MonthModel::cellText(GridCell cell, const std::array<std::string, 7>& shortDayNames) const
{
    if (cell.row == 0 && cell.column >= 0 && cell.column < kGridColumns)
        return shortDayNames[static_cast<std::size_t>((m_startOfWeek + cell.column) % 7)];
    const int day = dayAt(cell);
    return day == 0 ? std::string() : integerText(day);
}

GridCell MonthModel::cellOfDay(int day) const
{
    const int index = day - offset();
    return {index % 7, index / 7 + 1};
}

} // namespace pocketrix
