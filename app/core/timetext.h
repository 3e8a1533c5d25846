#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace pocketrix {

// HH:MM:SS, two digits each, 24-hour, whatever the locale: the pages read it back by
// character position.
std::string timeText(const ClockReading& reading);
std::string currentTimeText(const Clock& clock);

// The time text without its second colon and seconds: HH:MM.
std::string shortTimeText(std::string_view timeText);

// 10 x (digit at position) + (digit at position + 1), positions counted from 1. A
// character that is not a decimal digit raises "'%s' is not a valid integer value".
int twoDigitRead(std::string_view text, std::size_t position);

// Rewrites positions p and p + 1 with a number from 0 to 99, "0" before a single digit;
// every other character stays.
void twoDigitWrite(std::string& text, std::size_t position, int value);

// Decimal, "-" before negatives, no leading zeros, no group separators.
std::string integerText(std::int32_t value);

} // namespace pocketrix
