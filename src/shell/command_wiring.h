// Connects the main frame's commands to the dialogs and transfers that
// live in the other subsystems: the one place that knows them all.
#pragma once

#include "link/link_factory.h"

namespace radio {

class CMainFrame;

// Every exchange with the radio gets its link from `links`.
void WireCommands(CMainFrame& frame, const LinkFactory& links);

}  // namespace radio
