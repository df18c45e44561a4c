// A write that stopped part-way (Cancel, a lost answer, an unplugged cable)
// leaves the radio with a mix of new and old data and without the final
// band-type byte. The user must hear that, or the radio goes into service
// half programmed.
#pragma once

#include <string>

#include "image/language.h"
#include "link/clone_engine.h"

namespace radio {

// True when a write reached the transfer phase and did not finish it.
bool LeftRadioPartlyWritten(const CloneResult& result);

// How far such a write got, in percent of its blocks (0-99: a write that
// stopped has not finished).
int WriteStoppedPercent(const CloneResult& result);

// "Write stopped at N %: the radio holds part of the new data. Write it
// again before using the radio." in the run's language.
std::string WriteStoppedText(const CloneResult& result, Language lang);

}  // namespace radio
