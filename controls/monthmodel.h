#pragma once
// The controls layer: the drawn controls the pages depend on (month calendar grid, pie
// gauge). Each keeps its arithmetic in plain, Qt-free code like this file and only
// paints and takes input in its widget class. Uses platform/, core/ and shell/.

#include <array>
#include <string>

#include "platform/clock.h"

namespace pocketrix {

inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 7; // the header row and six week rows

// The message of a year, month and day that do not form a date.
inline constexpr const char* kDateEncodeError = "Invalid argument to date encode";

struct CalendarDate {
    int year = 1;
    int month = 1;
    int day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The day number that column 0 of week row 1 carries, from -5 to 1, for a month whose
// first day falls on weekday firstWeekday (1 = Sunday to 7 = Saturday). The first of the
// month always lies in week row 1, so that row is never empty.
int monthOffset(int firstWeekday, int startOfWeek);

enum class DateElement { Year = 1, Month = 2, Day = 3 };

// One month calendar: its date, the weekday of the first column and the layout that
// follows from both.
class MonthModel {
public:
    explicit MonthModel(CalendarDate date = {}, int startOfWeek = 0);

    const CalendarDate& date() const { return m_date; }
    int startOfWeek() const { return m_startOfWeek; }
    int offset() const;
    int daysInThisMonth() const { return daysInMonth(m_date.year, m_date.month); }

    // Replaces the date wholesale; an invalid date raises the date error and changes nothing.
    void setDate(const CalendarDate& date);
    void setStartOfWeek(int startOfWeek) { m_startOfWeek = startOfWeek; }

    // The date-element setter. A value of 0 or less, a month above 12, a day beyond this
    // month and the current value are ignored (false); a combination that is no date
    // raises the date error and leaves the model as it was. True when the date changed.
    bool setElement(DateElement element, int value);

    // The day a week-row cell carries, or 0 for a blank cell and for the header row.
    int dayAt(GridCell cell) const;
    // The short day name for the header, the day number for a week-row cell, else empty.
    std::string cellText(GridCell cell, const std::array<std::string, 7>& shortDayNames) const;
    GridCell cellOfDay(int day) const;
    GridCell selectedCell() const { return cellOfDay(m_date.day); }

private:
    CalendarDate m_date;
    int m_startOfWeek = 0;
};

} // namespace pocketrix
