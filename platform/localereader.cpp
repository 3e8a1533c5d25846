#include "platform/localereader.h"

#include <QLocale>

namespace pocketrix {

namespace {

// Letters of the format's own text, as opposed to its codes (h, m, s, a, ...), which are
// all ASCII.
bool isWordPart(char32_t c) { return QChar::isMark(c) || (c > 0x7F && QChar::isLetter(c)); }

bool hasAmPmMarker(const QString& picture)
{
    bool quoted = false;
    for (const QChar c : picture) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'a' || c == u'A'))
            return true;
    }
    return false;
}

void fillFormatItems(LocaleValues& values, const QLocale& locale)
{
    // The C locale counts as giving nothing, so that every item takes its fallback.
    const bool given = locale.language() != QLocale::C;
    const auto text = [given](const QString& item) { return given ? item.toStdString() : std::string(); };
    const QString shortDate = given ? locale.dateFormat(QLocale::ShortFormat) : QString();
    const QString time = given ? locale.timeFormat(QLocale::ShortFormat) : QString();
    const LocaleValues fallback;
    values.longDatePicture = localeText(text(locale.dateFormat(QLocale::LongFormat)), fallback.longDatePicture);
    values.shortDatePicture = localeText(text(shortDate), fallback.shortDatePicture);
    values.dateSeparator = localeCharacter(separatorIn(shortDate), fallback.dateSeparator);
    values.timeSeparator = localeCharacter(timeSeparatorIn(time), fallback.timeSeparator);
    values.morningDesignator = localeText(text(locale.amText()), fallback.morningDesignator);
    values.afternoonDesignator = localeText(text(locale.pmText()), fallback.afternoonDesignator);
    values.hourLeadingZero = time.contains(QLatin1String("hh"), Qt::CaseInsensitive) ? 1 : 0;
    values.clockKind = given && !hasAmPmMarker(time) ? 1 : 0;
}

} // namespace

std::string separatorIn(const QString& picture, qsizetype from)
{
    const QList<uint> text = picture.mid(from).toUcs4();
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted || QChar::isLetter(c) || QChar::isSpace(c))
            continue;
        // A mark, or a sign within a word of the format's text, stands between no numbers.
        const bool inWord =
            QChar::isMark(c) || (i > 0 && isWordPart(text[i - 1])) || (i + 1 < text.size() && isWordPart(text[i + 1]));
        return inWord ? std::string{} : QString::fromUcs4(&c, 1).toStdString();
    }
    return {};
}

std::string timeSeparatorIn(const QString& timeFormat)
{
    const qsizetype hour = timeFormat.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    return hour < 0 ? std::string{} : separatorIn(timeFormat, hour);
}

LocaleValues localeValuesFrom(const QLocale& locale)
{
    LocaleValues values;
    fillFormatItems(values, locale);
    if (locale.language() == QLocale::C)
        return values;
    const auto take = [](std::string& name, const QString& text) { name = localeText(text.toStdString(), name); };
    for (int month = 1; month <= 12; ++month) {
        take(values.longMonthNames[month - 1], locale.monthName(month, QLocale::LongFormat));
        take(values.shortMonthNames[month - 1], locale.monthName(month, QLocale::ShortFormat));
    }
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day; // Qt counts Monday as 1 and Sunday as 7
        take(values.longDayNames[day], locale.dayName(qtDay, QLocale::LongFormat));
        take(values.shortDayNames[day], locale.dayName(qtDay, QLocale::ShortFormat));
    }
    return values;
}

LocaleValues systemLocaleValues() { return localeValuesFrom(QLocale::system()); }

void reloadFormatItems(LocaleValues& values) { fillFormatItems(values, QLocale::system()); }

} // namespace pocketrix
