// Every locale Qt knows, and locale items nobody would choose, in the title bar.

#include <string>
#include <vector>

#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

#include "app/core/datetimeformat.h"
#include "app/core/fixedtext.h"
#include "platform/localereader.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

using test::reading;

// Whether the bytes are whole UTF-8 characters, none cut at the end.
bool wholeCharacters(const std::string& text)
{
    const QByteArray bytes = QByteArray::fromStdString(text);
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

const ClockReading kReadings[] = {
    reading(2026, 12, 7, 22, 28, 5), reading(2026, 1, 1, 0, 0, 0),  reading(2026, 2, 28, 12, 0, 59),
    reading(2024, 2, 29, 11, 59, 0), reading(1, 1, 1, 13, 5, 0),    reading(9999, 12, 31, 23, 59, 59),
    reading(10000, 1, 1, 0, 0, 0),   reading(2026, 9, 30, 9, 9, 9),
};

TEST(EveryLocale, FormatsTheTitleWithinTheCapacity)
{
    const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& locale : all) {
        SCOPED_TRACE(locale.name().toStdString());
        const LocaleValues values = localeValuesFrom(locale);
        for (const ClockReading& r : kReadings) {
            const std::string title = titleDateTimeText(r, values);
            ASSERT_FALSE(title.empty());
            ASSERT_LE(characterCount(title), kFormattedCapacity);
            ASSERT_TRUE(wholeCharacters(title)) << title;
            const bool afternoon = r.hour >= 12;
            ASSERT_TRUE(title.ends_with(afternoon ? " PM" : " AM")) << title;
        }
    }
}

TEST(OddLocaleItems, TheTitleStaysWithinItsCapacityAndEndsInTheTime)
{
    const std::string longName(300, 'n');
    struct Case {
        const char* what;
        std::string longDate;
        std::string timeSeparator;
        std::string morning, afternoon;
        std::string title; // at 7 December 2026 10:28 PM; empty: only the limits are checked
    } cases[] = {
        {"unclosed single quote", "d 'of mmmm", ":", "am", "pm", "7 of mmmm  10:28 PM"},
        {"unclosed double quote", "\"day d", ":", "am", "pm", "day d  10:28 PM"},
        {"a lone quote", "'", ":", "am", "pm", "  10:28 PM"},
        {"empty designators", "mmmm d", ":", "", "", "December 7  10:28 PM"},
        {"empty designators with AMPM in the date", "mmmm d AMPM", ":", "", "", "December 7   10:28 PM"},
        {"a 255-character picture of text", std::string(255, 'x'), ":", "am", "pm",
         std::string(255, 'x') + " "}, // the capacity leaves no room for the time
        {"a 255-character picture of long dates",
         [] {
             std::string picture;
             while (picture.size() + 7 <= 255)
                 picture += "dddddd ";
             return picture;
         }(),
         ":", "am", "pm", ""},
        {"a 255-character picture of names", std::string(255, 'm'), ":", "am", "pm", ""},
        {"a 255-character quoted picture", "'" + std::string(253, 'q') + "'", ":", "am", "pm", ""},
        {"a 255-character time separator", "mmmm d", std::string(255, ':'), "am", "pm", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocaleValues locale;
        locale.longDatePicture = c.longDate;
        locale.timeSeparator = c.timeSeparator;
        locale.morningDesignator = c.morning;
        locale.afternoonDesignator = c.afternoon;
        const std::string title = titleDateTimeText(reading(2026, 12, 7, 22, 28, 5), locale);
        EXPECT_LE(characterCount(title), kFormattedCapacity);
        EXPECT_TRUE(wholeCharacters(title));
        if (!c.title.empty()) {
            EXPECT_EQ(title, c.title);
        }
        // Designators never reach the title: the time is always AM or PM in capitals.
        if (characterCount(title) < kFormattedCapacity) {
            EXPECT_TRUE(title.ends_with(" PM")) << title;
        }
    }
    // Names as long as the whole capacity fill it and stop.
    LocaleValues locale;
    locale.longMonthNames[11] = longName;
    locale.longDatePicture = "mmmm";
    EXPECT_EQ(titleDateTimeText(reading(2026, 12, 7, 22, 28, 5), locale), std::string(256, 'n'));
}

} // namespace
} // namespace pocketrix
