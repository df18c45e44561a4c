// The four squelch tuning values of the radio image (0x17EE-0x17F1) and the
// rules by which the Squelch Tuning dialog shows and stores them. A stored
// byte is the shown value + 64; the lists offer -55 ... 54.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/radio_image.h"

namespace radio {

struct SquelchField {
  int controlId;        // the dialog's drop-down list
  const char* label;    // its label
  const char* chinese;  // the label in a Chinese run
  std::size_t offset;   // image offset
  std::uint8_t defaultByte;
};

// In the order V wide, V narrow, U wide, U narrow: the order of the
// dialog's rows, of the image bytes and of the radio transaction's data.
inline constexpr std::array<SquelchField, 4> kSquelchFields = {{
    {1136, "V Wide Squelch Tuning", "V段宽带静噪调整", 0x17EE, 0x29},
    {1137, "V Narrow Squelch Tuning", "V段窄带静噪调整", 0x17EF, 0x27},
    {1138, "U Wide Squelch Tuning", "U段宽带静噪调整", 0x17F0, 0x22},
    {1139, "U Narrow Squelch Tuning", "U段窄带静噪调整", 0x17F1, 0x1E},
}};
constexpr std::size_t kSquelchFirstOffset = 0x17EE;
constexpr std::size_t kSquelchByteCount = kSquelchFields.size();

constexpr int kSquelchByteBias = 64;      // stored byte = shown value + 64
constexpr std::uint8_t kSquelchValidMin = 9;     // shown -55
constexpr std::uint8_t kSquelchValidMax = 119;   // shown 55
constexpr int kSquelchListFirst = -55;
constexpr int kSquelchListLast = 54;  // 55 is valid in the image but has no item
constexpr int kSquelchListSize = kSquelchListLast - kSquelchListFirst + 1;

// What a list shows: a value of the list, or nothing selected.
using SquelchSelection = std::optional<int>;
using SquelchSelections = std::array<SquelchSelection, kSquelchByteCount>;

// The list items, "-55" ... "54".
std::vector<std::string> SquelchListItems();

// The value a stored byte shows: a byte outside 9 ... 119 shows the field's
// default; 119 (55) has no list item and shows nothing.
SquelchSelection SquelchSelectionOfByte(std::uint8_t byte, std::uint8_t defaultByte);

// The selections of the four fields of `image`.
SquelchSelections LoadSquelchFields(const RadioImage& image);

// Stores the four selections into `image`. A list without a selection
// keeps its byte as it is, so a stored 55 survives OK and Write. Returns
// whether any byte changed.
bool StoreSquelchFields(RadioImage& image, const SquelchSelections& selections);

// The text a list shows for a selection: "-23", or "" for none.
std::string SquelchSelectionText(const SquelchSelection& selection);

}  // namespace radio
