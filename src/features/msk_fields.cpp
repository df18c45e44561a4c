#include "features/msk_fields.h"

#include <span>

#include "image/bytes.h"

namespace radio {
namespace {

std::span<const std::uint8_t> Field(const RadioImage& image, int index) {
  return std::span(image).subspan(MskFieldOffset(index), kMskIdLength);
}
std::span<std::uint8_t> Field(RadioImage& image, int index) {
  return std::span(image).subspan(MskFieldOffset(index), kMskIdLength);
}

}  // namespace

MskSettings LoadMskSettings(const RadioImage& image) {
  MskSettings v;
  v.idCode = ReadTextField(Field(image, 0));
  for (int j = 1; j <= kMskCallListSize; ++j) v.callList[j - 1] = ReadTextField(Field(image, j));
  return v;
}

void StoreMskSettings(const MskSettings& v, RadioImage& image) {
  WriteTextField(Field(image, 0), v.idCode);
  for (int j = 1; j <= kMskCallListSize; ++j) WriteTextField(Field(image, j), v.callList[j - 1]);
}

const char* MskCallListHeading(Language lang, int column) {
  return column == 0 ? Tr(lang, "Num", "编号") : Tr(lang, "Call List", "呼叫列表");
}

}  // namespace radio
