#include "cli/squelch_values.h"

#include "link/squelch_fields.h"

namespace radio::cli {

std::string DescribeSquelchValues(const RadioImage& image) {
  static const char* const kNames[] = {"V wide", "V narrow", "U wide", "U narrow"};
  const SquelchSelections selections = LoadSquelchFields(image);
  std::string text;
  for (std::size_t i = 0; i < selections.size(); ++i) {
    if (i > 0) text += ", ";
    text += kNames[i];
    text += ' ';
    if (selections[i]) {
      text += std::to_string(*selections[i]);
    } else {
      const int stored = image[kSquelchFields[i].offset] - kSquelchByteBias;
      text += "none (stored " + std::to_string(stored) + ")";
    }
  }
  return text;
}

}  // namespace radio::cli
