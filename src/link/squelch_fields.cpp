#include "link/squelch_fields.h"

namespace radio {

std::vector<std::string> SquelchListItems() {
  std::vector<std::string> items;
  items.reserve(kSquelchListSize);
  for (int v = kSquelchListFirst; v <= kSquelchListLast; ++v) items.push_back(std::to_string(v));
  return items;
}

SquelchSelection SquelchSelectionOfByte(std::uint8_t byte, std::uint8_t defaultByte) {
  if (byte < kSquelchValidMin || byte > kSquelchValidMax) byte = defaultByte;
  const int shown = byte - kSquelchByteBias;
  if (shown < kSquelchListFirst || shown > kSquelchListLast) return std::nullopt;
  return shown;
}

SquelchSelections LoadSquelchFields(const RadioImage& image) {
  SquelchSelections selections;
  for (std::size_t i = 0; i < kSquelchFields.size(); ++i)
    selections[i] =
        SquelchSelectionOfByte(image[kSquelchFields[i].offset], kSquelchFields[i].defaultByte);
  return selections;
}

bool StoreSquelchFields(RadioImage& image, const SquelchSelections& selections) {
  bool changed = false;
  for (std::size_t i = 0; i < kSquelchFields.size(); ++i) {
    const SquelchSelection& s = selections[i];
    if (!s || *s < kSquelchListFirst || *s > kSquelchListLast) continue;
    const auto byte = static_cast<std::uint8_t>(*s + kSquelchByteBias);
    std::uint8_t& stored = image[kSquelchFields[i].offset];
    changed |= stored != byte;
    stored = byte;
  }
  return changed;
}

std::string SquelchSelectionText(const SquelchSelection& selection) {
  return selection ? std::to_string(*selection) : std::string();
}

}  // namespace radio
