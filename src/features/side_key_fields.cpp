#include "features/side_key_fields.h"

#include "image/bytes.h"

namespace radio {

int LoadSideKeyPosition(const RadioImage& image) {
  return 3 - GetBits(image[kSideKeyOffset], 0, 2);
}

void StoreSideKeyPosition(int position, RadioImage& image) {
  if (position < 0 || position >= kSideKeyChoices) return;
  SetBits(image[kSideKeyOffset], 0, 2, 3 - position);
}

}  // namespace radio
