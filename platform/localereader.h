#pragma once

#include <string>

#include <QString>

#include "platform/localevalues.h"

class QLocale;

namespace pocketrix {

// The separator a format shows between its numbers: the first character from `from` on
// that is no letter, blank or quoted text. A mark, or a sign within a word of the
// format's text, is none: the result is then empty, and the fallback applies.
std::string separatorIn(const QString& picture, qsizetype from = 0);
// The separator after the hour of a time format; empty when it has no hour.
std::string timeSeparatorIn(const QString& timeFormat);

// The values of one Qt locale (CLDR data); the C locale gives the fallback set.
LocaleValues localeValuesFrom(const QLocale& locale);
// The system's locale as Qt sees it (LC_ALL, LC_TIME, LANG). The C and POSIX locales
// count as giving no values at all, so every item takes its fallback.
LocaleValues systemLocaleValues();
// Rereads the format items (long date picture to clock kind) and keeps the names, as on
// a change of the regional settings.
void reloadFormatItems(LocaleValues& values);

} // namespace pocketrix
