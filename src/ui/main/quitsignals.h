// Ends the program in an orderly way when it is asked to quit by a signal (logout, kill, Ctrl+C),
// so that open dialogs close as if cancelled and the settings are written.
#pragma once

namespace orvane {

// Installs handlers for SIGTERM, SIGINT and SIGHUP; call once after the application object exists.
void QuitOnTerminationSignals();

} // namespace orvane
