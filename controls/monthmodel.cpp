#include "controls/monthmodel.h"

#include "app/core/errors.h"
#include "app/core/timetext.h"

namespace pocketrix {

int monthOffset(int firstWeekday, int startOfWeek)
{
    const int r = ((firstWeekday - startOfWeek) % 7 + 7) % 7;
    const int offset = 2 - r;
    return offset == 2 ? -5 : offset;
}

MonthModel::MonthModel(CalendarDate date, int startOfWeek) : m_startOfWeek(startOfWeek) { setDate(date); }

void MonthModel::setDate(const CalendarDate& date)
{
    if (!isValidDate(date.year, date.month, date.day))
        throw Error(kDateEncodeError);
    m_date = date;
    layout();
}

void MonthModel::setStartOfWeek(int startOfWeek)
{
    m_startOfWeek = startOfWeek;
    layout();
}

bool MonthModel::setElement(DateElement element, int value)
{
    if (value <= 0)
        return false;
    CalendarDate next = m_date;
    switch (element) {
    case DateElement::Year:
        if (value == next.year)
            return false;
        next.year = value;
        break;
    case DateElement::Month:
        if (value > 12 || value == next.month)
            return false;
        next.month = value;
        break;
    case DateElement::Day:
        if (value > daysInThisMonth() || value == next.day)
            return false;
        next.day = value;
        break;
    default:
        return false;
    }
    setDate(next);
    return true;
}

void MonthModel::layout() { m_offset = monthOffset(weekdayOf(m_date.year, m_date.month, 1), m_startOfWeek); }

int MonthModel::dayAt(GridCell cell) const
{
    if (cell.row < 1 || cell.row >= kGridRows || cell.column < 0 || cell.column >= kGridColumns)
        return 0;
    const int n = cell.column + m_offset + 7 * (cell.row - 1);
    return n < 1 || n > daysInThisMonth() ? 0 : n;
}

std::string MonthModel::cellText(GridCell cell, const std::array<std::string, 7>& shortDayNames) const
{
    if (cell.row == 0 && cell.column >= 0 && cell.column < kGridColumns)
        return shortDayNames[static_cast<std::size_t>((m_startOfWeek + cell.column) % 7)];
    const int day = dayAt(cell);
    return day == 0 ? std::string() : integerText(day);
}

GridCell MonthModel::cellOfDay(int day) const { return {(day - m_offset) % 7, (day - m_offset) / 7 + 1}; }

} // namespace pocketrix
