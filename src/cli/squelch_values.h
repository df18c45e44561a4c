// The four squelch tuning values of an image as the Squelch Tuning dialog
// shows them, for radioprog-cli's output.
#pragma once

#include <string>

#include "image/radio_image.h"

namespace radio::cli {

// "V wide -23, V narrow -25, U wide -30, U narrow -34"; a value the lists
// cannot show (a stored 55) reads "none (stored 55)".
std::string DescribeSquelchValues(const RadioImage& image);

}  // namespace radio::cli
