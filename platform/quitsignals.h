#pragma once

namespace pocketrix {

// Turns SIGTERM and SIGINT into a quit of the running Qt event loop, so that a logout
// or a kill ends the program by its ordinary road: windows closed, helpers ended, sound
// released. Call once, after the application object exists.
void quitOnTerminationSignals();

} // namespace pocketrix
