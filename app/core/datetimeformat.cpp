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
bool twelveHourAhead(std::string_view rest)
{
    bool quoted = false;
    for (const char c : rest) {
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
    std::string_view text;   // from the picture: a field's run, am/pm, a/p or ampm, what quotes hold
    char code = 0;           // Field: y, m, d, h, n, s, t or c; an m after an h reads as n
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
        const std::string_view run = take(std::min(m_picture.find_first_not_of(letter, m_at), m_picture.size()) - m_at);
        m_previous = lower(letter) == 'm' && m_previous == 'h' ? 'n' : lower(letter);
        return {Piece::Field, run, m_previous, m_previous == 'h' && twelveHourAhead(m_picture.substr(m_at))};
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
        for (PictureReader reader(picture); !reader.done() && m_length < kFormattedCapacity;) {
            const Piece piece = reader.next();
            if (piece.kind == Piece::Field)
                writeField(piece, depth);
            else
                append(textOf(piece));
        }
    }

private:
    // A piece that does not fit whole fills the output, so nothing after it is kept.
    void append(std::string_view text)
    {
        const std::string_view kept = fittingPrefix(text, kFormattedCapacity - m_length);
        m_out += kept;
        m_length += characterCount(kept);
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
        const auto count = static_cast<int>(piece.text.size());
        if (piece.code == 't')
            insertPicture(count == 1 ? m_locale.shortTimePicture() : m_locale.longTimePicture(), depth);
        else if (piece.code == 'c')
            insertDateAndTime(depth);
        else if (piece.code == 'd' && count >= 5)
            insertPicture(count == 5 ? m_locale.shortDatePicture : m_locale.longDatePicture, depth);
        else if (piece.code == 'y')
            append(count <= 2 ? padded(m_t.year % 100, 2) : padded(m_t.year, 4));
        else if (piece.code == 'm' && count >= 3)
            append(nameAt(count == 3 ? m_locale.shortMonthNames : m_locale.longMonthNames, m_t.month));
        else if (piece.code == 'd' && count >= 3)
            append(nameAt(count == 3 ? m_locale.shortDayNames : m_locale.longDayNames, m_t.dayOfWeek));
        else
            append(padded(numberOf(piece.code, piece.twelveHour), count >= 2 ? 2 : 1));
    }

    int numberOf(char code, bool twelveHour) const
    {
        if (code == 'h' && twelveHour)
            return m_t.hour % 12 == 0 ? 12 : m_t.hour % 12;
        const std::array numbers{m_t.month, m_t.day, m_t.hour, m_t.minute, m_t.second};
        return numbers.at(std::string_view("mdhns").find(code));
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
