#include <string>

#include <gtest/gtest.h>

#include "app/core/fixedtext.h"

namespace pocketrix {
namespace {

TEST(FixedText, KeepsTheFirstCharactersAndNeverSplitsOne)
{
    struct Case {
        const char* value;
        const char* kept;
    } cases[] = {
        {"12:30", "12:30"},
        {"12:30:45", "12:30"},
        {"", ""},
        {"abcd\xc3\xa9", "abcd\xc3\xa9"}, // "abcdé": five characters in six bytes
        {"abcde\xc3\xa9", "abcde"},       // the sixth character is dropped whole
        {"\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80",
         "\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80\xe0\xbd\x80"}, // six Tibetan letters of 3 bytes
        {"\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5",
         "\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5\xf0\x91\x84\xa5"}, // and of 4 bytes
        {"\xe2\x82\x61\x62\x63\x64", "\xe2\x82\x61\x62\x63"}, // a cut sequence before "abcd" counts bytewise
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        FixedText<5> text;
        text = c.value;
        EXPECT_EQ(text.str(), c.kept);
    }
}

} // namespace
} // namespace pocketrix
