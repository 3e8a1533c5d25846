#include "app/core/timetext.h"

#include <cstdlib>

#include "app/core/errors.h"

namespace pocketrix {

namespace {

std::string twoDigits(int value)
{
    const int v = std::abs(value % 100);
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

int digitAt(std::string_view text, std::size_t position)
{
    const std::string character{position >= 1 && position <= text.size() ? text.substr(position - 1, 1) : ""};
    if (character.empty() || character[0] < '0' || character[0] > '9')
        throw Error(withArgument("'%s' is not a valid integer value", character));
    return character[0] - '0';
}

} // namespace

std::string timeText(const ClockReading& reading)
{
    return twoDigits(reading.hour) + ':' + twoDigits(reading.minute) + ':' + twoDigits(reading.second);
}

std::string currentTimeText(const Clock& clock) { return timeText(clock.now()); }

std::string shortTimeText(std::string_view timeText) { return std::string(timeText.substr(0, 5)); }

int twoDigitRead(std::string_view text, std::size_t position)
{
    const int tens = digitAt(text, position);
    return 10 * tens + digitAt(text, position + 1);
}

void twoDigitWrite(std::string& text, std::size_t position, int value)
{
    if (position < 1 || position + 1 > text.size())
        return;
    const std::string digits = integerText(value);
    text[position - 1] = value > 9 ? digits[0] : '0';
    text[position] = value > 9 ? digits[1] : digits.back();
}

std::string integerText(std::int32_t value) { return std::to_string(value); }

} // namespace pocketrix
