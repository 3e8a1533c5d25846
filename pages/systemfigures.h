#pragma once
// The System page's arithmetic and texts, free of Qt: what one refresh makes of a drive
// reading, the threshold list and the two time texts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/drivequery.h"

namespace pocketrix {

inline constexpr std::int64_t kBytesPerMB = 1048576;

// What one refresh shows of a drive. A failed reading (or one with no capacity) shows
// as 0 MB free of which 100 % is free, so the pie is empty.
struct DriveFigures {
    std::int64_t freeMB = 0; // whole MB, truncated, never negative
    int freePercent = 100;   // rounded half to even, 0 to 100
    int usedPercent() const { return 100 - freePercent; }
};

DriveFigures driveFigures(const DriveSpace& space);

// "512MB free (25%)".
std::string freeSpaceText(const DriveFigures& figures);

// The threshold in MB of an item of the list; none for no selection or an unknown item.
std::optional<int> thresholdForItem(int index);

// Whole clock minutes from the start time text to the current one, both HH:MM:SS,
// modulo a day: 0 to 1439. Seconds play no part.
int elapsedMinutes(std::string_view startTime, std::string_view nowTime);

// "2hrs 5mins".
std::string elapsedText(int minutes);

} // namespace pocketrix
