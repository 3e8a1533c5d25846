#pragma once

#include <array>
#include <string>

#include <QString>

class QLocale;

namespace pocketrix {

// The locale items the date-time formatter draws on. Each member starts at the value
// used when the locale cannot give one, so a default-constructed set is the fallback set.
struct LocaleValues {
    std::string longDatePicture = "mmmm d, yyyy";
    std::string shortDatePicture = "m/d/yy";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string morningDesignator = "am";
    std::string afternoonDesignator = "pm";
    int hourLeadingZero = 0;
    int clockKind = 0; // 0 = 12-hour, anything else = 24-hour
    std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"}; // Sunday first
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    std::string longTimePicture() const;
    std::string shortTimePicture() const;
};

// The rules for taking one item from the locale: a text of 1 to 255 characters, or a
// value of exactly one character; anything else gives the fallback.
std::string localeText(const std::string& value, const std::string& fallback);
std::string localeCharacter(const std::string& value, const std::string& fallback);

// The separator a format shows between its numbers: the first character from `from` on
// that is no letter, blank or quoted text. A mark, or a sign within a word of the
// format's text, is none: the result is then empty, and the fallback applies.
std::string separatorIn(const QString& picture, qsizetype from = 0);
// The separator after the hour of a time format; empty when it has no hour.
std::string timeSeparatorIn(const QString& timeFormat);

// The values of one Qt locale (CLDR data); the C locale gives the fallback set.
LocaleValues localeValuesFrom(const QLocale& locale);
// The system's locale as Qt sees it (LC_ALL, LC_TIME, LANG). The C and POSIX locales
// count as giving no values at all, so every item takes its fallback.
LocaleValues systemLocaleValues();
// Rereads the format items (long date picture to clock kind) and keeps the names, as on
// a change of the regional settings.
void reloadFormatItems(LocaleValues& values);

} // namespace pocketrix
