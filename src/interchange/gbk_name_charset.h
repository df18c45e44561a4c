// The radio's name characters for CSV files: GBK, through the program's own
// name conversion. Files then mean the same whichever language the program
// runs in.
#pragma once

#include "interchange/channel_name_text.h"

namespace radio {

// Converts only where GBK gives back exactly the same bytes and characters;
// never converts when the Qt build has no GBK codec.
const NameCharset& GbkNameCharset();

}  // namespace radio
