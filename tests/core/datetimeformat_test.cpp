#include <gtest/gtest.h>

#include "app/core/datetimeformat.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

using test::reading;

// 7 December 2026 is a Monday.
const ClockReading kEvening = reading(2026, 12, 7, 22, 28, 5);
const ClockReading kMorning = reading(2026, 12, 7, 9, 5, 7);
const ClockReading kMidnight = reading(2026, 12, 7, 0, 0, 0);

struct FormatCase {
    const char* what;
    const char* pattern;
    ClockReading reading;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.what; }

class Formatter : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formatter, FollowsThePictureLetterByLetter)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDateTime(c.pattern, c.reading, LocaleValues{}), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Formatter,
    ::testing::Values(FormatCase{"day and month numbers, date separator", "d/m/yy", kEvening, "7/12/26"},
                      FormatCase{"two-digit day and month, literal dots", "dd.mm.yyyy", kEvening, "07.12.2026"},
                      FormatCase{"three y's give the full year", "yyy", kEvening, "2026"},
                      FormatCase{"a small year is padded to four digits", "yyyy", reading(5, 3, 1), "0005"},
                      FormatCase{"two y's keep two digits of a small year", "yy", reading(2005, 3, 1), "05"},
                      FormatCase{"short and long month names", "mmm mmmm", kEvening, "Dec December"},
                      FormatCase{"five m's still give the long name", "MMMMM", kEvening, "December"},
                      FormatCase{"short and long day names", "ddd dddd", kEvening, "Mon Monday"},
                      FormatCase{"ddddd inserts the short date picture", "ddddd", kEvening, "12/7/26"},
                      FormatCase{"dddddd inserts the long date picture", "dddddd", kEvening, "December 7, 2026"},
                      FormatCase{"seven d's are a long date too", "ddddddd", kEvening, "December 7, 2026"},
                      FormatCase{"m after h is the minute", "h:mm", kEvening, "22:28"},
                      FormatCase{"m after h survives a blank between", "h m", kEvening, "22 28"},
                      FormatCase{"mm straight after h is the minute", "hmm", kEvening, "2228"},
                      FormatCase{"m after d is the month", "dm", kEvening, "712"},
                      FormatCase{"the remembered letter is the last one taken", "hdm", kEvening, "22712"},
                      FormatCase{"m at the start is the month", "m", kEvening, "12"},
                      FormatCase{"two digits for counts of two", "hh:nn:ss", kMorning, "09:05:07"},
                      FormatCase{"one digit for counts of one", "h:n:s", kMorning, "9:5:7"},
                      FormatCase{"long runs still give two digits", "hhhh nnn sss", kMorning, "09 05 07"},
                      FormatCase{"without a, hours are 24-hour", "h", kEvening, "22"},
                      FormatCase{"am/pm in the pattern's case", "h:nn am/pm", kEvening, "10:28 pm"},
                      FormatCase{"AM/PM in the morning", "h:nn AM/PM", kMorning, "9:05 AM"},
                      FormatCase{"mixed case is copied as written", "h am/PM", reading(2026, 1, 1, 13, 0, 0), "1 PM"},
                      FormatCase{"A/P gives one letter", "h A/P", kMorning, "9 A"},
                      FormatCase{"a/p in the evening", "h a/p", kEvening, "10 p"},
                      FormatCase{"AMPM gives the locale's designator", "h AMPM", kEvening, "10 pm"},
                      FormatCase{"ampm in any case", "h aMpM", kMorning, "9 am"},
                      FormatCase{"any other a is itself", "a A ab", kEvening, "a A ab"},
                      FormatCase{"an a in quotes does not make 12-hour", "h 'a'", kEvening, "22 a"},
                      FormatCase{"a double-quoted a neither", "h \"a\"", kEvening, "22 a"},
                      FormatCase{"the look-ahead stops at the next h", "hh h a", kEvening, "22 10 a"},
                      FormatCase{"a lone a after h still makes 12-hour", "h a", kEvening, "10 a"},
                      FormatCase{"hour 0 is 12 on the 12-hour clock", "h AM/PM", kMidnight, "12 AM"},
                      FormatCase{"hour 12 stays 12", "h AM/PM", reading(2026, 1, 1, 12, 0, 0), "12 PM"},
                      FormatCase{"t inserts the short time picture", "t", kEvening, "10:28 pm"},
                      FormatCase{"tt inserts the long time picture", "tt", kEvening, "10:28:05 pm"},
                      FormatCase{"c is the short date and long time", "c", kEvening, "12/7/26 10:28:05 pm"},
                      FormatCase{"c at midnight has no time", "c", kMidnight, "12/7/26"},
                      FormatCase{"identical letters only make a run", "dD", kEvening, "77"},
                      FormatCase{"case changes split runs", "Dddd", kEvening, "7Mon"},
                      FormatCase{"letters that are no code are copied", "gg x", kEvening, "gg x"},
                      FormatCase{"quoted text is copied without its quotes", "\"at\" h 'o''clock'", kEvening,
                                 "at 22 oclock"},
                      FormatCase{"an unclosed quote runs to the end", "h 'open", kEvening, "22 open"},
                      FormatCase{"other characters are copied", "[d]-(m)", kEvening, "[7]-(12)"},
                      FormatCase{"an empty pattern gives nothing", "", kEvening, ""}));

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(FormatterLimits, OutputIsTheFirst256CharactersOfTheWhole)
{
    const std::string e = "\xc3\xa9";          // é, two bytes
    const std::string ka = "\xe0\xbd\x80";     // Tibetan ka, three bytes
    const std::string sa = "\xf0\x91\x84\xa5"; // Chakma sa, four bytes
    const std::string x255(255, 'x');
    struct Case {
        const char* what;
        std::string pattern;
        std::string monthName; // December's long name
        std::string expected;
    } cases[] = {
        {"plain text is cut at 256", std::string(300, 'x'), "December", std::string(256, 'x')},
        {"a name straddling the limit keeps its first character", "'" + x255 + "'mmmm", e + e, x255 + e},
        {"nothing after a cut name is kept", "'" + x255 + "'mmmm!", e, x255 + e},
        {"two-byte characters count once each", "'" + repeated(e, 300) + "'", "December", repeated(e, 256)},
        {"unquoted characters of the picture are whole", repeated(ka, 300), "December", repeated(ka, 256)},
        {"four-byte characters too", "'" + x255 + "'mmmm", sa + sa, x255 + sa},
        {"exactly 256 characters are all kept", "'" + std::string(254, 'x') + "'mmmm", e + e,
         std::string(254, 'x') + e + e},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocaleValues locale;
        locale.longMonthNames[11] = c.monthName;
        EXPECT_EQ(formatDateTime(c.pattern, kEvening, locale), c.expected);
    }
}

TEST(FormatterLimits, InsertedPicturesExpandOnlyOnce)
{
    LocaleValues locale;
    locale.shortDatePicture = "dddddd|t|tt|c";
    locale.longDatePicture = "ddddd";
    EXPECT_EQ(formatDateTime("ddddd", kEvening, locale), "||| ");
    EXPECT_EQ(formatDateTime("ddddd", kMidnight, locale), "|||");
    EXPECT_EQ(formatDateTime("dddddd", kEvening, locale), "");
}

TEST(FormatterLimits, TimePicturesFollowTheLocaleClock)
{
    LocaleValues locale;
    locale.hourLeadingZero = 1;
    locale.clockKind = 1;
    locale.timeSeparator = ".";
    EXPECT_EQ(formatDateTime("tt", kEvening, locale), "22.28.05");
    EXPECT_EQ(formatDateTime("t", kMorning, locale), "09.05");
}

struct TitleCase {
    const char* what;
    ClockReading reading;
    const char* longDate;
    const char* timeSeparator;
    const char* expected;
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.what; }

class Title : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Title, IsTheLongDateTwoBlanksAndTheTwelveHourTime)
{
    const TitleCase& c = GetParam();
    LocaleValues locale;
    if (c.longDate != nullptr)
        locale.longDatePicture = c.longDate;
    if (c.timeSeparator != nullptr)
        locale.timeSeparator = c.timeSeparator;
    EXPECT_EQ(titleDateTimeText(c.reading, locale), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Title,
    ::testing::Values(
        TitleCase{"evening, fallback picture", kEvening, nullptr, nullptr, "December 7, 2026  10:28 PM"},
        TitleCase{"new year just after midnight", reading(2027, 1, 1, 0, 5, 0), nullptr, nullptr,
                  "January 1, 2027  12:05 AM"},
        TitleCase{"day name and two-digit day", kEvening, "dddd, MMMM dd, yyyy", nullptr,
                  "Monday, December 07, 2026  10:28 PM"},
        TitleCase{"midnight", kMidnight, nullptr, nullptr, "December 7, 2026  12:00 AM"},
        TitleCase{"noon", reading(2026, 12, 7, 12, 0, 0), nullptr, nullptr, "December 7, 2026  12:00 PM"},
        TitleCase{"last minute of noon", reading(2026, 12, 7, 12, 59, 0), nullptr, nullptr,
                  "December 7, 2026  12:59 PM"},
        TitleCase{"one o'clock", reading(2026, 12, 7, 13, 0, 0), nullptr, nullptr, "December 7, 2026  1:00 PM"},
        TitleCase{"no leading zero on the hour, no seconds", kMorning, nullptr, nullptr, "December 7, 2026  9:05 AM"},
        TitleCase{"the locale's time separator", kMorning, nullptr, ".", "December 7, 2026  9.05 AM"},
        TitleCase{"quoted words are kept", kEvening, "'Today is' dddd", nullptr, "Today is Monday  10:28 PM"},
        TitleCase{"inserting codes give nothing in the picture", kEvening, "ddddd t tt d", nullptr, "   7  10:28 PM"},
        TitleCase{"an a in the date picture is not the clock's", kEvening, "mmmm 'a' d", nullptr,
                  "December a 7  10:28 PM"}));

} // namespace
} // namespace pocketrix
