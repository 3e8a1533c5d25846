#include "platform/localevalues.h"

#include "platform/utf8text.h"

namespace pocketrix {

std::string LocaleValues::longTimePicture() const
{
    return std::string(hourLeadingZero != 0 ? "hh" : "h") + ":mm:ss" + (clockKind == 0 ? " AMPM" : "");
}

std::string LocaleValues::shortTimePicture() const
{
    return std::string(hourLeadingZero != 0 ? "hh" : "h") + ":mm" + (clockKind == 0 ? " AMPM" : "");
}

std::string localeText(const std::string& value, const std::string& fallback)
{
    const std::size_t length = characterCount(value);
    return length == 0 || length > 255 ? fallback : value;
}

std::string localeCharacter(const std::string& value, const std::string& fallback)
{
    return characterCount(value) == 1 ? value : fallback;
}

} // namespace pocketrix
