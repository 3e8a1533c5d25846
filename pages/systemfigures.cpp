#include "pages/systemfigures.h"

#include <algorithm>
#include <array>

#include "app/core/rounding.h"
#include "app/core/timetext.h"

namespace pocketrix {

DriveFigures driveFigures(const DriveSpace& space)
{
    if (space.totalBytes <= 0 || space.freeBytes < 0)
        return {};
    // Free space can never exceed the capacity; a reading that says so is taken as full.
    const std::int64_t freeBytes = std::min(space.freeBytes, space.totalBytes);
    const double share = static_cast<double>(freeBytes) / static_cast<double>(space.totalBytes) * 100.0;
    return {freeBytes / kBytesPerMB, static_cast<int>(roundHalfEven(share))};
}

std::string freeSpaceText(const DriveFigures& figures)
{
    return std::to_string(figures.freeMB) + "MB free (" + integerText(figures.freePercent) + "%)";
}

std::optional<int> thresholdForItem(int index)
{
    static constexpr std::array<int, 6> kThresholds{5, 10, 15, 25, 50, 100};
    if (index < 0 || index >= static_cast<int>(kThresholds.size()))
        return std::nullopt;
    return kThresholds[static_cast<std::size_t>(index)];
}

int elapsedMinutes(std::string_view startTime, std::string_view nowTime)
{
    // Read in a fixed order, so a faulty text always raises the same error.
    const auto minuteOfDay = [](std::string_view time) {
        const int hour = twoDigitRead(time, 1);
        return 60 * hour + twoDigitRead(time, 4);
    };
    const int start = minuteOfDay(startTime);
    const int elapsed = minuteOfDay(nowTime) - start;
    return elapsed < 0 ? elapsed + 1440 : elapsed;
}

std::string elapsedText(int minutes) { return integerText(minutes / 60) + "hrs " + integerText(minutes % 60) + "mins"; }

} // namespace pocketrix
