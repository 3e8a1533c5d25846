// Any pattern, any locale values, any clock reading: the formatter returns at most 256
// characters and never fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/datetimeformat.h"
#include "app/core/fixedtext.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pocketrix::fuzz::Input input(data, size);
    pocketrix::ClockReading reading;
    reading.year = input.integer();
    reading.month = input.integer();
    reading.day = input.integer();
    reading.hour = input.integer();
    reading.minute = input.integer();
    reading.second = input.integer();
    reading.dayOfWeek = input.integer();

    pocketrix::LocaleValues locale;
    locale.longDatePicture = input.text();
    locale.shortDatePicture = input.text();
    locale.dateSeparator = input.text();
    locale.timeSeparator = input.text();
    locale.morningDesignator = input.text();
    locale.afternoonDesignator = input.text();
    locale.hourLeadingZero = input.integer();
    locale.clockKind = input.integer();
    locale.longMonthNames[0] = input.text();
    locale.shortDayNames[3] = input.text();

    const std::string pattern = input.rest();
    const std::string out = pocketrix::formatDateTime(pattern, reading, locale);
    if (pocketrix::characterCount(out) > pocketrix::kFormattedCapacity)
        std::abort();
    const std::string title = pocketrix::titleDateTimeText(reading, locale);
    if (pocketrix::characterCount(title) > pocketrix::kFormattedCapacity)
        std::abort();
    return 0;
}
