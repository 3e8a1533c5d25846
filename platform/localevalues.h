#pragma once

#include <array>
#include <string>

namespace pocketrix {

// The locale items the date-time formatter draws on. Each member starts at the value
// used when the locale cannot give one, so a default-constructed set is the fallback set.
// Plain values, free of Qt; localereader.h reads them from the system's locale.
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

} // namespace pocketrix
