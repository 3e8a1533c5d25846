#include "app/core/timetext.h"

#include "app/core/errors.h"

namespace pocketrix {

namespace {

void appendTwoDigits(std::string& out, int value)
{
    const unsigned v = static_cast<unsigned>(value < 0 ? -(value % 100) : value % 100);
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
}

int digitAt(std::string_view text, std::size_t position)
{
    const std::string character =
        position >= 1 && position <= text.size() ? std::string(1, text[position - 1]) : std::string{};
    if (character.empty() || character[0] < '0' || character[0] > '9')
        throw Error(withArgument("'%s' is not a valid integer value", character));
    return character[0] - '0';
}

} // namespace

std::string timeText(const ClockReading& reading)
{
    std::string text;
    text.reserve(8);
    appendTwoDigits(text, reading.hour);
    text += ':';
    appendTwoDigits(text, reading.minute);
    text += ':';
    appendTwoDigits(text, reading.second);
    return text;
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
    if (value > 9) {
        text[position - 1] = digits[0];
        text[position] = digits[1];
    } else {
        text[position - 1] = '0';
        text[position] = digits.back();
    }
}

std::string integerText(std::int32_t value) { return std::to_string(value); }

} // namespace pocketrix
