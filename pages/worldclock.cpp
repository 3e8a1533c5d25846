#include "pages/worldclock.h"

namespace pocketrix {

int wrapCityHour(int cityHour)
{
    if (cityHour < 0)
        cityHour += 24;
    if (cityHour > 23)
        cityHour -= 24;
    return cityHour;
}

} // namespace pocketrix
