// The restart that a language switch asks for. The Language dialog only
// records the request; exit carries it out as its very last step, after
// Program.ini and the stored settings are written, and only when the main
// window really closed. So the new instance never reads half-written files
// and never runs beside the old one.
#pragma once

#include <functional>

namespace radio {

void RequestRestart();
void CancelRestart();
bool RestartRequested();

// Starts the same program file again; false when it could not be started.
// Tests replace it so that they spawn nothing (an empty launcher restores
// the real one). Returns the launcher installed before.
using RestartLauncher = std::function<bool()>;
RestartLauncher SetRestartLauncher(RestartLauncher launcher);

// Runs the launcher when a restart is requested and clears the request; a
// start that fails is reported to the user.
void RestartIfRequested();

}  // namespace radio
