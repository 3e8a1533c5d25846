#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "app/core/timetext.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

TEST(TimeText, IsTwoDigitTwentyFourHourWithColons)
{
    struct Case {
        int hour, minute, second;
        const char* text;
    } cases[] = {
        {0, 0, 0, "00:00:00"},
        {9, 5, 7, "09:05:07"},
        {12, 0, 0, "12:00:00"},
        {23, 59, 59, "23:59:59"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto text = timeText(test::reading(2026, 12, 7, c.hour, c.minute, c.second));
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(shortTimeText(text), std::string(c.text).substr(0, 5));
    }
}

TEST(TwoDigits, WritingKeepsEveryOtherCharacter)
{
    struct Case {
        const char* before;
        std::size_t position;
        int value;
        const char* after;
    } cases[] = {
        {"23:45", 1, 7, "07:45"},  {"23:45", 1, 12, "12:45"}, {"23:45", 1, 0, "00:45"},
        {"23:45", 4, 59, "23:59"}, {"23:45", 4, 3, "23:03"},  {"08:59", 4, 0, "08:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " <- " + std::to_string(c.value));
        std::string text = c.before;
        twoDigitWrite(text, c.position, c.value);
        EXPECT_EQ(text, c.after);
    }
}

TEST(TwoDigits, ReadingTakesTensAndUnits)
{
    EXPECT_EQ(twoDigitRead("07:45", 1), 7);
    EXPECT_EQ(twoDigitRead("07:45", 4), 45);
    EXPECT_EQ(twoDigitRead("23:59:59", 7), 59);
}

TEST(TwoDigits, ReadingANonDigitRaisesTheConversionError)
{
    struct Case {
        const char* text;
        std::size_t position;
        const char* message;
    } cases[] = {
        {"7:45", 1, "':' is not a valid integer value"},
        {"x0:00", 1, "'x' is not a valid integer value"},
        {"12", 2, "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            twoDigitRead(c.text, c.position);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(IntegerText, HasNoLeadingZerosOrSeparators)
{
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(7), "7");
    EXPECT_EQ(integerText(1997), "1997");
    EXPECT_EQ(integerText(-42), "-42");
    EXPECT_EQ(integerText(2147483647), "2147483647");
}

} // namespace
} // namespace pocketrix
