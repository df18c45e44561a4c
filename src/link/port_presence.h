// Which of COM1 … COM16 are on this machine right now (the cable plugged
// in), and which of them a search for the radio may try.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "image/language.h"
#include "link/radio_finder.h"

namespace radio {

// Whether the device port n stands for exists now. Only looks: the port is
// not opened, so polling it disturbs nothing.
bool PortPresent(int port);

struct RadioSearchPlan {
  std::vector<FindPort> toTry;  // present and free, USB-serial first
  // Present but held by another program or otherwise closed to us, with why.
  std::vector<std::pair<FindPort, std::string>> skipped;
};

// The present ports of COM1 … COM16, each opened and closed once to see
// whether another program holds it.
RadioSearchPlan PlanRadioSearch(Language lang);

}  // namespace radio
