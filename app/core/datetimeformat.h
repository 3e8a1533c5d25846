#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/localevalues.h"

namespace pocketrix {

// The formatter's output never grows beyond this many characters: it is the first ones
// of the whole text, never a character split.
inline constexpr std::size_t kFormattedCapacity = 256;

// The picture of the title bar: the long date, two blanks and the 12-hour time.
inline constexpr std::string_view kTitlePattern = "dddddd\" \" h:nn AM/PM";

// Formats a clock reading by a picture of letter codes (d, m, y, h, n, s, t, c,
// AM/PM, A/P, AMPM), separators and quoted text.
std::string formatDateTime(std::string_view pattern, const ClockReading& reading, const LocaleValues& locale);

std::string titleDateTimeText(const ClockReading& reading, const LocaleValues& locale);

} // namespace pocketrix
