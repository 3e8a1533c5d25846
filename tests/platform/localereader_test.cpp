#include <gtest/gtest.h>

#include <QLocale>

#include "app/core/datetimeformat.h"
#include "platform/localereader.h"
#include "tests/doubles/plain.h"

namespace pocketrix {
namespace {

// The integer items come from the time format, reread on a change of the regional settings.
TEST(LocaleItems, ReloadRereadsTheFormatItemsAndKeepsTheNames)
{
    LocaleValues values;
    values.hourLeadingZero = values.clockKind = 7; // no locale gives 7
    values.longDatePicture = values.longMonthNames[0] = values.shortDayNames[0] = "kept";
    reloadFormatItems(values);
    const LocaleValues system = systemLocaleValues();
    EXPECT_EQ(values.hourLeadingZero, system.hourLeadingZero);
    EXPECT_EQ(values.clockKind, system.clockKind);
    EXPECT_EQ(values.longDatePicture, system.longDatePicture);
    EXPECT_EQ(values.longMonthNames[0], "kept");
    EXPECT_EQ(values.shortDayNames[0], "kept");
}

TEST(LocaleItems, SeparatorsStandBetweenNumbersNotInWords)
{
    struct Case {
        const char* what;
        const char16_t* format;
        const char* separator; // empty: none, so the fallback applies
    } cases[] = {
        {"colon after the hour", u"h:mm AP", ":"},
        {"dot after a leading designator", u"AP h.mm", "."},
        {"a sign that is no ASCII", u"H\u2236mm", "\xe2\x88\xb6"},
        {"quoted text is passed over", u"HH 'h' mm", ""},
        {"letters are no separator", u"H\u6642mm\u5206", ""},
        {"a combining mark inside a word", u"\u0f46\u0f74\u0f0b h \u0f66\u0f90\u0f62\u0f0b mm", ""},
        {"a syllable mark between letters", u"h \u0f40\u0f0b mm", ""},
        {"no hour at all", u"mm:ss", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(timeSeparatorIn(QString::fromUtf16(c.format)), c.separator);
    }
    EXPECT_EQ(separatorIn(QStringLiteral("yyyy. MM. dd.")), ".");
    EXPECT_EQ(separatorIn(QStringLiteral("d MMM yyyy")), "");
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

TEST(QtLocales, TakeTheTimeSeparatorOnlyFromBetweenTheNumbers)
{
    struct Case {
        const char* name;
        const char* timeSeparator;
    } cases[] = {
        {"en_US", ":"}, // h:mm AP
        {"da_DK", "."}, // HH.mm
        {"dz_BT", ":"}, // words around the numbers, no separator between them
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(localeValuesFrom(QLocale(QString::fromLatin1(c.name))).timeSeparator, c.timeSeparator);
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

// 7 December 2026 is a Monday.
const ClockReading kEvening = test::reading(2026, 12, 7, 22, 28, 5);

TEST(TitleLocale, UnitedStatesEnglishHasTheDayName)
{
    const LocaleValues locale = localeValuesFrom(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(titleDateTimeText(kEvening, locale), "Monday, December 7, 2026  10:28 PM");
}

TEST(TitleLocale, TheCLocaleGivesTheFallbacks)
{
    const LocaleValues locale = localeValuesFrom(QLocale::c());
    EXPECT_EQ(titleDateTimeText(kEvening, locale), "December 7, 2026  10:28 PM");
}

TEST(TitleLocale, DesignatorsNeverReachTheTitle)
{
    LocaleValues locale = localeValuesFrom(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(titleDateTimeText(kEvening, locale), "Montag, 7. Dezember 2026  10:28 PM");
}

} // namespace
} // namespace pocketrix
