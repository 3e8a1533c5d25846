#include <gtest/gtest.h>

#include <QLocale>

#include "platform/localevalues.h"

namespace pocketrix {
namespace {

TEST(LocaleItems, TakeTheLocaleOnlyWhenUsable)
{
    EXPECT_EQ(localeText("dddd", "fallback"), "dddd");
    EXPECT_EQ(localeText("", "fallback"), "fallback");
    EXPECT_EQ(localeText(std::string(255, 'd'), "fallback"), std::string(255, 'd'));
    EXPECT_EQ(localeText(std::string(256, 'd'), "fallback"), "fallback");
    EXPECT_EQ(localeCharacter(".", ":"), ".");
    EXPECT_EQ(localeCharacter("\xe2\x80\xa4", ":"), "\xe2\x80\xa4"); // one character of three bytes
    EXPECT_EQ(localeCharacter("::", ":"), ":");
    EXPECT_EQ(localeCharacter("", "/"), "/");
    EXPECT_EQ(localeInteger("1"), 1);
    EXPECT_EQ(localeInteger("-3"), -3);
    EXPECT_EQ(localeInteger("x"), 0);
    EXPECT_EQ(localeInteger("2x"), 0);
    EXPECT_EQ(localeInteger(""), 0);
}

TEST(LocaleItems, DerivedTimePictures)
{
    struct Case {
        int leadingZero, clockKind;
        const char *longPicture, *shortPicture;
    } cases[] = {
        {0, 0, "h:mm:ss AMPM", "h:mm AMPM"},
        {1, 0, "hh:mm:ss AMPM", "hh:mm AMPM"},
        {1, 1, "hh:mm:ss", "hh:mm"},
        {0, 2, "h:mm:ss", "h:mm"},
    };
    for (const auto& c : cases) {
        LocaleValues values;
        values.hourLeadingZero = c.leadingZero;
        values.clockKind = c.clockKind;
        EXPECT_EQ(values.longTimePicture(), c.longPicture);
        EXPECT_EQ(values.shortTimePicture(), c.shortPicture);
    }
}

TEST(QtLocales, GiveTheirFormatItems)
{
    struct Case {
        const char* name;
        const char* longDate;
        const char* dateSeparator;
        const char* timeSeparator;
        int leadingZero, clockKind;
        const char* sunday;
    } cases[] = {
        {"en_US", "dddd, MMMM d, yyyy", "/", ":", 0, 0, "Sun"},
        {"de_DE", "dddd, d. MMMM yyyy", ".", ":", 1, 1, "So."},
        {"C", "mmmm d, yyyy", "/", ":", 0, 0, "Sun"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleValues values = localeValuesFrom(QLocale(QString::fromLatin1(c.name)));
        EXPECT_EQ(values.longDatePicture, c.longDate);
        EXPECT_EQ(values.dateSeparator, c.dateSeparator);
        EXPECT_EQ(values.timeSeparator, c.timeSeparator);
        EXPECT_EQ(values.hourLeadingZero, c.leadingZero);
        EXPECT_EQ(values.clockKind, c.clockKind);
        EXPECT_EQ(values.shortDayNames[0], c.sunday);
    }
}

TEST(QtLocales, EveryLocaleGivesUsableValues)
{
    const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& locale : all) {
        SCOPED_TRACE(locale.name().toStdString());
        const LocaleValues values = localeValuesFrom(locale);
        EXPECT_FALSE(values.longDatePicture.empty());
        EXPECT_FALSE(values.timeSeparator.empty());
        EXPECT_FALSE(values.dateSeparator.empty());
        for (const auto& name : values.shortDayNames)
            EXPECT_FALSE(name.empty());
    }
}

} // namespace
} // namespace pocketrix
