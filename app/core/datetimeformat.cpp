#include "app/core/datetimeformat.h"

#include <cctype>

#include "app/core/fixedtext.h"

namespace pocketrix {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    if (text.size() - at < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[at + i]) != lower(prefix[i]))
            return false;
    return true;
}

std::string padded(int value, int digits)
{
    std::string text = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    while (text.size() < static_cast<std::size_t>(digits))
        text.insert(text.begin(), '0');
    return value < 0 ? "-" + text : text;
}

template <std::size_t N> const std::string& nameAt(const std::array<std::string, N>& names, int oneBased)
{
    // In long long: a reading of INT_MIN must not overflow on the way.
    const auto count = static_cast<long long>(N);
    const long long index = ((static_cast<long long>(oneBased) - 1) % count + count) % count;
    return names[static_cast<std::size_t>(index)];
}

// After an h run: an a outside quotes before the end of the picture or the next h means
// the hour is shown on the 12-hour clock.
bool twelveHourAhead(std::string_view pattern, std::size_t from)
{
    bool quoted = false;
    for (std::size_t i = from; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == 'h' || c == 'H')
            return false;
        if (c == '"' || c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A'))
            return true;
    }
    return false;
}

class Formatter {
public:
    Formatter(const ClockReading& reading, const LocaleValues& locale) : m_t(reading), m_locale(locale) {}

    std::string take() { return std::move(m_out); }

    // depth 0 is the caller's pattern; at depth 1 (an inserted picture) the inserting
    // codes insert nothing, so a picture never expands a second time.
    void format(std::string_view pattern, int depth)
    {
        char remembered = 0;
        std::size_t i = 0;
        while (i < pattern.size() && !full()) {
            const char c = pattern[i];
            const char code = lower(c);
            if (c == '"' || c == '\'') {
                const std::size_t close = pattern.find(c, i + 1);
                const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
                append(pattern.substr(i + 1, end - i - 1));
                i = close == std::string_view::npos ? pattern.size() : close + 1;
                continue;
            }
            if (code == 'a') {
                i += amPm(pattern, i);
                remembered = 'a';
                continue;
            }
            if (c == '/' || c == ':') {
                append(c == '/' ? m_locale.dateSeparator : m_locale.timeSeparator);
                ++i;
                continue;
            }
            if (!isLetter(c) || std::string_view("ymdhnstc").find(code) == std::string_view::npos) {
                // Copied whole, so a character of several bytes is counted, and cut, as one.
                const std::size_t length = characterLength(pattern, i);
                append(pattern.substr(i, length));
                if (isLetter(c))
                    remembered = code;
                i += length;
                continue;
            }
            std::size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            const int count = static_cast<int>(end - i);
            char runCode = code;
            if (code == 'm' && remembered == 'h')
                runCode = 'n';
            run(runCode, count, pattern, end, depth);
            remembered = runCode;
            i = end;
        }
    }

private:
    bool full() const { return m_length >= kFormattedCapacity; }

    // A piece that does not fit whole fills the output, so nothing after it is kept.
    void append(std::string_view text)
    {
        const std::string_view kept = fittingPrefix(text, kFormattedCapacity - m_length);
        m_out += kept;
        m_length += characterCount(kept);
    }

    void appendNumber(int value, int count) { append(padded(value, count >= 2 ? 2 : 1)); }

    void insertPicture(const std::string& picture, int depth)
    {
        if (depth == 0)
            format(picture, depth + 1);
    }

    int twelveHour() const
    {
        const int hour = m_t.hour % 12;
        return hour == 0 ? 12 : hour;
    }

    void run(char code, int count, std::string_view pattern, std::size_t after, int depth)
    {
        switch (code) {
        case 'y':
            append(count <= 2 ? padded(m_t.year % 100, 2) : padded(m_t.year, 4));
            break;
        case 'm':
            if (count <= 2)
                appendNumber(m_t.month, count);
            else
                append(count == 3 ? nameAt(m_locale.shortMonthNames, m_t.month)
                                  : nameAt(m_locale.longMonthNames, m_t.month));
            break;
        case 'd':
            if (count <= 2)
                appendNumber(m_t.day, count);
            else if (count == 3)
                append(nameAt(m_locale.shortDayNames, m_t.dayOfWeek));
            else if (count == 4)
                append(nameAt(m_locale.longDayNames, m_t.dayOfWeek));
            else
                insertPicture(count == 5 ? m_locale.shortDatePicture : m_locale.longDatePicture, depth);
            break;
        case 'h':
            appendNumber(twelveHourAhead(pattern, after) ? twelveHour() : m_t.hour, count);
            break;
        case 'n':
            appendNumber(m_t.minute, count);
            break;
        case 's':
            appendNumber(m_t.second, count);
            break;
        case 't':
            insertPicture(count == 1 ? m_locale.shortTimePicture() : m_locale.longTimePicture(), depth);
            break;
        case 'c':
            insertPicture(m_locale.shortDatePicture, depth);
            if (m_t.hour != 0 || m_t.minute != 0 || m_t.second != 0) {
                append(" ");
                insertPicture(m_locale.longTimePicture(), depth);
            }
            break;
        default:
            break;
        }
    }

    // Handles the a at position i; returns how many pattern characters it consumed.
    std::size_t amPm(std::string_view pattern, std::size_t i)
    {
        const bool morning = m_t.hour < 12;
        if (startsWithNoCase(pattern, i, "am/pm")) {
            append(pattern.substr(morning ? i : i + 3, 2));
            return 5;
        }
        if (startsWithNoCase(pattern, i, "a/p")) {
            append(pattern.substr(morning ? i : i + 2, 1));
            return 3;
        }
        if (startsWithNoCase(pattern, i, "ampm")) {
            append(morning ? m_locale.morningDesignator : m_locale.afternoonDesignator);
            return 4;
        }
        append(pattern.substr(i, 1));
        return 1;
    }

    const ClockReading& m_t;
    const LocaleValues& m_locale;
    std::string m_out;
    std::size_t m_length = 0; // in characters
};

} // namespace

std::string formatDateTime(std::string_view pattern, const ClockReading& reading, const LocaleValues& locale)
{
    Formatter formatter(reading, locale);
    formatter.format(pattern, 0);
    return formatter.take();
}

std::string titleDateTimeText(const ClockReading& reading, const LocaleValues& locale)
{
    return formatDateTime(kTitlePattern, reading, locale);
}

} // namespace pocketrix
