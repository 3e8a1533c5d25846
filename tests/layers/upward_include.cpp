// Compiled as the controls layer is: its own headers and those below it are found, and
// the pages header after them must not be.
#include "app/core/fixedtext.h"
#include "controls/monthmodel.h"
#include "platform/clock.h"

#include "pages/services.h"
