#include "app/core/fixedtext.h"

namespace pocketrix {

std::string_view fittingPrefix(std::string_view text, std::size_t capacity)
{
    std::size_t end = 0;
    for (std::size_t kept = 0; kept < capacity && end < text.size(); ++kept)
        end += characterLength(text, end);
    return text.substr(0, end);
}

} // namespace pocketrix
