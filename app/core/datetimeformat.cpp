#include "app/core/datetimeformat.h"

#include <algorithm>
#include <cctype>

#include "app/core/fixedtext.h"

namespace pocketrix {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

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

// One piece of a picture, as the reader finds it.
struct Piece {
    enum Kind { Text, Separator, AmPm, Field } kind = Text;
    std::string_view text;   // as in the picture: AmPm is am/pm, a/p or ampm in any case
    char code = 0;           // Field: y, m, d, h, n, s, t or c; an m after an h reads as n
    int count = 0;           // Field: how many times its letter repeats
    bool twelveHour = false; // an h field on the 12-hour clock
};

class PictureReader {
public:
    explicit PictureReader(std::string_view picture) : m_picture(picture) {}

    bool done() const { return m_at >= m_picture.size(); }

    Piece next()
    {
        const char c = m_picture[m_at];
        if (c == '"' || c == '\'')
            return quoted(c);
        if (lower(c) == 'a')
            return amPm();
        if (c == '/' || c == ':')
            return {Piece::Separator, take(1)};
        if (isLetter(c) && std::string_view("ymdhnstc").find(lower(c)) != std::string_view::npos)
            return field(c);
        if (isLetter(c))
            m_previous = lower(c);
        // Taken whole, so a character of several bytes is counted, and cut, as one.
        return {Piece::Text, take(characterLength(m_picture, m_at))};
    }

private:
    std::string_view take(std::size_t length)
    {
        const std::string_view taken = m_picture.substr(m_at, length);
        m_at += length;
        return taken;
    }

    // An unclosed quote runs to the end of the picture.
    Piece quoted(char quote)
    {
        const std::size_t close = std::min(m_picture.find(quote, m_at + 1), m_picture.size());
        const std::string_view text = m_picture.substr(m_at + 1, close - m_at - 1);
        m_at = std::min(close + 1, m_picture.size());
        return {Piece::Text, text};
    }

    Piece amPm()
    {
        m_previous = 'a';
        for (const std::string_view form : {"am/pm", "a/p", "ampm"})
            if (std::ranges::equal(m_picture.substr(m_at, form.size()), form, {}, lower))
                return {Piece::AmPm, take(form.size())};
        return {Piece::Text, take(1)};
    }

    Piece field(char letter)
    {
        const std::size_t start = m_at;
        while (m_at < m_picture.size() && m_picture[m_at] == letter)
            ++m_at;
        m_previous = lower(letter) == 'm' && m_previous == 'h' ? 'n' : lower(letter);
        const bool twelveHour = m_previous == 'h' && twelveHourAhead(m_picture, m_at);
        return {Piece::Field, {}, m_previous, static_cast<int>(m_at - start), twelveHour};
    }

    std::string_view m_picture;
    std::size_t m_at = 0;
    char m_previous = 0; // the code of the last letter
};

class PictureWriter {
public:
    PictureWriter(const ClockReading& reading, const LocaleValues& locale) : m_t(reading), m_locale(locale) {}

    std::string take() { return std::move(m_out); }

    // depth 0 is the caller's picture; at depth 1 (an inserted picture) the inserting
    // codes insert nothing, so a picture never expands a second time.
    void write(std::string_view picture, int depth)
    {
        for (PictureReader reader(picture); !reader.done() && !full();) {
            const Piece piece = reader.next();
            if (piece.kind == Piece::Field)
                writeField(piece, depth);
            else
                append(textOf(piece));
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

    template <std::size_t N>
    void appendNumberOrName(int number, int nameIndex, const std::array<std::string, N>& shortNames,
                            const std::array<std::string, N>& longNames, int count)
    {
        if (count <= 2)
            appendNumber(number, count);
        else
            append(nameAt(count == 3 ? shortNames : longNames, nameIndex));
    }

    void insertPicture(const std::string& picture, int depth)
    {
        if (depth == 0)
            write(picture, depth + 1);
    }

    std::string_view textOf(const Piece& piece) const
    {
        const bool morning = m_t.hour < 12;
        const std::size_t slash = piece.text.find('/');
        if (piece.kind == Piece::Text)
            return piece.text;
        if (piece.kind == Piece::Separator)
            return piece.text == "/" ? m_locale.dateSeparator : m_locale.timeSeparator;
        if (slash == std::string_view::npos) // ampm: the locale's own words
            return morning ? m_locale.morningDesignator : m_locale.afternoonDesignator;
        return morning ? piece.text.substr(0, slash) : piece.text.substr(slash + 1);
    }

    void writeField(const Piece& piece, int depth)
    {
        const int count = piece.count;
        switch (piece.code) {
        case 'y':
            append(count <= 2 ? padded(m_t.year % 100, 2) : padded(m_t.year, 4));
            break;
        case 'm':
            appendNumberOrName(m_t.month, m_t.month, m_locale.shortMonthNames, m_locale.longMonthNames, count);
            break;
        case 'd':
            if (count <= 4)
                appendNumberOrName(m_t.day, m_t.dayOfWeek, m_locale.shortDayNames, m_locale.longDayNames, count);
            else
                insertPicture(count == 5 ? m_locale.shortDatePicture : m_locale.longDatePicture, depth);
            break;
        case 't':
            insertPicture(count == 1 ? m_locale.shortTimePicture() : m_locale.longTimePicture(), depth);
            break;
        case 'c':
            insertDateAndTime(depth);
            break;
        default: // h, n or s
            appendNumber(timeNumber(piece), count);
        }
    }

    int timeNumber(const Piece& piece) const
    {
        if (piece.code != 'h')
            return piece.code == 'n' ? m_t.minute : m_t.second;
        if (!piece.twelveHour)
            return m_t.hour;
        return m_t.hour % 12 == 0 ? 12 : m_t.hour % 12;
    }

    void insertDateAndTime(int depth)
    {
        insertPicture(m_locale.shortDatePicture, depth);
        if (m_t.hour != 0 || m_t.minute != 0 || m_t.second != 0) {
            append(" ");
            insertPicture(m_locale.longTimePicture(), depth);
        }
    }

    const ClockReading& m_t;
    const LocaleValues& m_locale;
    std::string m_out;
    std::size_t m_length = 0; // in characters
};

} // namespace

std::string formatDateTime(std::string_view pattern, const ClockReading& reading, const LocaleValues& locale)
{
    PictureWriter writer(reading, locale);
    writer.write(pattern, 0);
    return writer.take();
}

std::string titleDateTimeText(const ClockReading& reading, const LocaleValues& locale)
{
    return formatDateTime(kTitlePattern, reading, locale);
}

} // namespace pocketrix
