#include "app/core/fixedtext.h"

namespace pocketrix {

std::string_view fittingPrefix(std::string_view text, std::size_t capacity)
{
    if (text.size() <= capacity)
        return text;
    std::size_t end = capacity;
    // Step back over continuation bytes so the cut falls before a character's first byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace pocketrix
