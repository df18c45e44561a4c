// libFuzzer target: any bytes as a radio image, put through each feature
// editor's load and store as its dialog does on opening and OK (Optional
// Features, each DTMF page, 2-Tone encode and each decode slot, MSK, Key
// Assignment, Squelch Tuning). Storing changes no bit outside the fields
// the editor owns (the bit masks below are the field tables of the radio's
// memory map, written out independently of the codecs); a second load and
// store changes nothing more; and where loading already gives the values
// as they are stored, they load back the same.
#include <cstdint>
#include <functional>
#include <vector>

#include "features/dtmf_fields.h"
#include "features/msk_fields.h"
#include "features/optional_features_fields.h"
#include "features/side_key_fields.h"
#include "features/two_tone_fields.h"
#include "fuzz/fuzz_support.h"
#include "link/squelch_fields.h"

namespace {

using namespace radio;
using fuzz::Check;
using Mask = std::array<std::uint8_t, kImageSize>;

struct Editor {
  const char* changesOnlyItsBits;
  Mask owned{};
  std::function<void(RadioImage&)> loadStore;
  // Whether two images load to the same values (only where loading is
  // lossless); null where the store normalises what it loaded.
  std::function<bool(const RadioImage&, const RadioImage&)> sameValues;
};

void Own(Mask& mask, std::size_t offset, std::size_t count, std::uint8_t bits = 0xFF) {
  for (std::size_t i = 0; i < count; ++i) mask[offset + i] |= bits;
}

// Bytes 0-15 of `blocks` 24-byte blocks from `offset`: the radio's lists.
void OwnListBlocks(Mask& mask, std::size_t offset, std::size_t blocks) {
  for (std::size_t b = 0; b < blocks; ++b) Own(mask, offset + 24 * b, 16);
}

template <typename Load>
auto Same(Load load) {
  return [load](const RadioImage& a, const RadioImage& b) { return load(a) == load(b); };
}

std::vector<Editor> MakeEditors() {
  std::vector<Editor> editors;
  {
    Editor e{"Optional Features changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x1260, 6);
    Own(e.owned, 0x1266, 1, 0xFD);
    Own(e.owned, 0x1267, 1, 0x03);
    Own(e.owned, 0x12A8, 1, 0x81);
    Own(e.owned, 0x12A9, 1);
    Own(e.owned, 0x12AB, 1, 0x13);
    Own(e.owned, 0x17D2, 6);
    e.loadStore = [](RadioImage& im) { StoreOptionalFeatures(LoadOptionalFeatures(im), im); };
    e.sameValues = Same(LoadOptionalFeatures);
    editors.push_back(e);
  }
  {
    Editor e{"DTMF Encode changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x1308, 1, 0x03);
    Own(e.owned, 0x1309, 3);
    Own(e.owned, 0x12A8, 1, 0x40);
    e.loadStore = [](RadioImage& im) { StoreDtmfEncode(im, LoadDtmfEncode(im)); };
    editors.push_back(e);
  }
  {
    Editor e{"DTMF Decode changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x1320, 10);
    Own(e.owned, 0x132F, 1);
    Own(e.owned, 0x1338, 10);
    Own(e.owned, 0x12A8, 1, 0x30);
    e.loadStore = [](RadioImage& im) { StoreDtmfDecode(im, LoadDtmfDecode(im)); };
    e.sameValues = [](const RadioImage& a, const RadioImage& b) {
      const DtmfDecodeFields x = LoadDtmfDecode(a), y = LoadDtmfDecode(b);
      return x.idCode == y.idCode && x.groupCode == y.groupCode &&
             x.stunActivation == y.stunActivation && x.stunCode == y.stunCode &&
             x.txInhibit == y.txInhibit;
    };
    editors.push_back(e);
  }
  {
    Editor e{"DTMF CallList changes only its own bits", {}, {}, {}};
    OwnListBlocks(e.owned, 0x1380, 9);
    e.loadStore = [](RadioImage& im) { StoreDtmfCallList(im, LoadDtmfCallList(im)); };
    e.sameValues = Same(LoadDtmfCallList);
    editors.push_back(e);
  }
  {
    Editor e{"2-Tone Encode changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x1620, 8);
    Own(e.owned, 0x17A0, 7);
    OwnListBlocks(e.owned, 0x1500, 8);
    OwnListBlocks(e.owned, 0x1680, 8);
    e.loadStore = [](RadioImage& im) { StoreTwoToneEncode(im, LoadTwoToneEncode(im)); };
    editors.push_back(e);
  }
  for (int slot = 0; slot < kTwoToneDecodeSlots; ++slot) {
    Editor e{"a 2-Tone decode page changes only its own slot", {}, {}, {}};
    const std::size_t within = 24 * static_cast<std::size_t>(slot / 2) + 8 * (slot % 2);
    Own(e.owned, 0x15C0 + within, 8);
    Own(e.owned, 0x1740 + within, 8);
    e.loadStore = [slot](RadioImage& im) {
      StoreTwoToneDecodeSlot(im, slot, LoadTwoToneDecodeSlot(im, slot));
    };
    editors.push_back(e);
  }
  {
    Editor e{"MSK changes only its own bits", {}, {}, {}};
    OwnListBlocks(e.owned, 0x12C0, 2);
    Own(e.owned, 0x12F0, 8);
    e.loadStore = [](RadioImage& im) { StoreMskSettings(LoadMskSettings(im), im); };
    e.sameValues = Same(LoadMskSettings);
    editors.push_back(e);
  }
  {
    Editor e{"Key Assignment changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x12AA, 1, 0x03);
    e.loadStore = [](RadioImage& im) { StoreSideKeyPosition(LoadSideKeyPosition(im), im); };
    e.sameValues = Same(LoadSideKeyPosition);
    editors.push_back(e);
  }
  {
    Editor e{"Squelch Tuning changes only its own bits", {}, {}, {}};
    Own(e.owned, 0x17EE, 4);
    e.loadStore = [](RadioImage& im) { StoreSquelchFields(im, LoadSquelchFields(im)); };
    e.sameValues = Same(LoadSquelchFields);
    editors.push_back(e);
  }
  return editors;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<Editor> editors = MakeEditors();
  const RadioImage original = fuzz::ImageOf({data, size});
  for (const Editor& editor : editors) {
    RadioImage once = original;
    editor.loadStore(once);
    for (std::size_t i = 0; i < kImageSize; ++i)
      Check(((once[i] ^ original[i]) & ~editor.owned[i]) == 0, editor.changesOnlyItsBits);
    RadioImage twice = once;
    editor.loadStore(twice);
    Check(twice == once, "a second load and store changes nothing more");
    if (editor.sameValues)
      Check(editor.sameValues(original, once), "values load back as they were loaded");
  }
  return 0;
}
