#pragma once

namespace pocketrix {

// Lets assistive technology meet the month grid as a table of named day cells under
// column headers, and a drop-down list by the label beside it (its buddy) with its choice
// as its value; on Linux Qt's own drop-down reports its choice as its name. Once is enough.
void installAccessibleControls();

} // namespace pocketrix
