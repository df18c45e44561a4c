// Connects the main frame's commands to the dialogs and transfers that
// live in the other subsystems: the one place that knows them all.
#pragma once

namespace radio {

class CMainFrame;

void WireCommands(CMainFrame& frame);

}  // namespace radio
