#include <string>

#include <gtest/gtest.h>

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

} // namespace
} // namespace pocketrix
