#include "compare/setting_items.h"

#include "features/side_key_fields.h"
#include "interchange/channel_name_text.h"
#include "link/squelch_fields.h"

namespace radio {
namespace {


using Decoded = DecodedSettings;
using TextOf = std::function<std::string(const Decoded&)>;

constexpr std::uint8_t Bit(int n) {
  return static_cast<std::uint8_t>(1u << n);
}

std::string ListText(const std::vector<std::string>& items, int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= items.size()) return {};
  return items[static_cast<std::size_t>(position)];
}

std::string TickText(bool ticked, Language lang) {
  return ticked ? Tr(lang, "ticked", "勾选") : Tr(lang, "not ticked", "未勾选");
}

std::string Mhz(std::int64_t tenHz) {
  return std::to_string(tenHz / 100000);
}

// Text fields hold single bytes: plain ASCII as is, other bytes as "\xHH".
std::string FieldText(const std::string& bytes) {
  return NameToCsvText(bytes);
}

class Builder {
 public:
  explicit Builder(Language lang) : lang_(lang) {}

  void Place(std::string place) { place_ = std::move(place); }
  void Add(std::string label, std::vector<BitSpan> bits, TextOf text) {
    items_.push_back({place_, std::move(label), std::move(bits), std::move(text)});
  }
  // A whole byte (or run) read as it stands.
  void Add(std::string label, std::size_t offset, std::size_t count, TextOf text) {
    Add(std::move(label), {{offset, count, 0xFF}}, std::move(text));
  }
  const char* T(const char* english, const char* chinese) const {
    return Tr(lang_, english, chinese);
  }
  Language Lang() const { return lang_; }
  std::vector<SettingItem> Take() { return std::move(items_); }

 private:
  Language lang_;
  std::string place_;
  std::vector<SettingItem> items_;
};

void AddProductInformation(Builder& b) {
  b.Place(b.T("Product Information", "机型设置"));
  b.Add(b.T("Model", "机型"), kModelTypeOffset, 1,
        [](const Decoded& d) { return std::to_string(d.image[kModelTypeOffset]); });
  b.Add(b.T("Field", "频段范围"), kBandLimitOffset, 6, [](const Decoded& d) {
    return Mhz(d.bands.lower1) + "-" + Mhz(d.bands.upper1) + ", " + Mhz(d.bands.lower2) + "-" +
           Mhz(d.bands.upper2) + " MHz";
  });
}

void AddOptionalFeatures(Builder& b) {
  b.Place(b.T("Optional Features", "可选功能"));
  const OptionalFeatureItems& lists = OptionalFeatureLists(b.Lang());
  using F = OptionalFeatures;
  using I = OptionalFeatureItems;
  struct ListField {
    const char* label;
    const char* chinese;
    std::size_t offset;
    std::uint8_t mask;
    int F::*value;
    std::vector<std::string> I::*items;
  };
  // Left column, then right column, then the bottom row, as the dialog lays them out.
  const ListField fields[] = {
      {"Back Light", "背光", 0x1266, 0x30, &F::backLight, &I::backLight},
      {"Back Light Color", "背光颜色", 0x1266, 0xC0, &F::backLightColor, &I::backLightColor},
      {"Power-on Style", "开机显示", 0x1266, 0x0C, &F::powerOnStyle, &I::powerOnStyle},
      {"Key Lock", "键盘锁", 0x1265, 0x04, &F::keyLock, &I::keyLock},
      {"Priority Channel", "优先信道", 0x12A9, 0xFF, &F::priorityChannel, &I::priorityChannel},
      {"Vox Gain Level", "声控灵敏度", 0x1262, 0xFF, &F::voxGain, &I::voxGain},
      {"Display Mode", "显示模式", 0x1267, 0x03, &F::displayMode, &I::displayMode},
      {"Battery Saver", "省电", 0x12A8, 0x01, &F::batterySaver, &I::batterySaver},
      {"Beep", "按键音", 0x1265, 0x08, &F::beep, &I::beep},
      {"Tail", "尾音消除", 0x1265, 0x80, &F::tail, &I::tail},
      {"Scan Mode", "扫描模式", 0x1265, 0x60, &F::scanMode, &I::scanMode},
      {"Squelch Level", "静噪等级", 0x1261, 0xFF, &F::squelchLevel, &I::squelchLevel},
      {"Step (k)", "步进 (k)", 0x1263, 0xFF, &F::step, &I::step},
      {"TOT (s)", "发射限时 (秒)", 0x1260, 0xFF, &F::tot, &I::tot},
      {"TOT Pre-Alert (s)", "发射限时预警 (秒)", 0x1264, 0xFF, &F::totPreAlert, &I::totPreAlert},
  };
  const ListField after[] = {
      {"Stopwatch", "秒表", 0x1265, 0x10, &F::stopwatch, &I::stopwatch},
      {"Short Press Orange Key", "短按橙色键", 0x1265, 0x03, &F::orangeKey, &I::orangeKey},
      {"STR Set", "STR 设置", 0x1266, 0x01, &F::strSet, &I::strSet},
      {"Allow Reset", "允许复位", 0x12AB, 0x10, &F::allowReset, &I::allowReset},
      {"MSK Type", "MSK 类型", 0x12AB, 0x01, &F::mskType, &I::mskType},
  };
  auto addList = [&](const ListField& f) {
    const std::vector<std::string>& items = lists.*(f.items);
    const auto value = f.value;
    b.Add(b.T(f.label, f.chinese), {{f.offset, 1, f.mask}},
          [&items, value](const Decoded& d) { return ListText(items, d.optional.*value); });
  };
  for (const ListField& f : fields) addList(f);
  b.Add(b.T("Password", "密码"), kPasswordOffset, kPasswordLength,
        [](const Decoded& d) { return FieldText(d.optional.password); });
  for (const ListField& f : after) addList(f);
  const Language lang = b.Lang();
  b.Add(b.T("Keypad Lock", "键盘锁定"), {{0x12A8, 1, 0x80}},
        [lang](const Decoded& d) { return TickText(d.optional.keypadLock, lang); });
  b.Add(b.T("Repeater Msk Invert", "中继 MSK 反相"), {{0x12AB, 1, 0x02}},
        [lang](const Decoded& d) { return TickText(d.optional.repeaterMskInvert, lang); });
}

void AddDtmf(Builder& b) {
  const Language lang = b.Lang();
  const std::string dtmf = "DTMF / ";
  b.Place(dtmf + b.T("Encode", "编码"));
  b.Add(b.T("DTMF Speed(digit/s)", "DTMF 速率(位/秒)"), {{kDtmfSpeedOffset, 1, 0x03}},
        [](const Decoded& d) { return std::to_string(d.dtmfEncode.speed); });
  // The times are read through the low 5 bits of their byte.
  b.Add(b.T("First Digit Delay Time(ms)", "首位延迟时间(毫秒)"), {{kDtmfFirstDelayOffset, 1, 0x1F}},
        [](const Decoded& d) { return std::to_string(d.dtmfEncode.firstDigitDelayMs); });
  b.Add(b.T("First Digit Time(ms)", "首位持续时间(毫秒)"), {{kDtmfFirstDigitOffset, 1, 0x1F}},
        [](const Decoded& d) { return std::to_string(d.dtmfEncode.firstDigitTimeMs); });
  b.Add(b.T("* and # Digit Time(ms)", "* 和 # 持续时间(毫秒)"), {{kDtmfStarHashOffset, 1, 0x1F}},
        [](const Decoded& d) { return std::to_string(d.dtmfEncode.starHashDigitTimeMs); });
  b.Add(b.T("SideTone", "侧音"), {{kDtmfOptionOffset, 1, Bit(kDtmfSideToneBit)}},
        [lang](const Decoded& d) { return TickText(d.dtmfEncode.sideTone, lang); });

  b.Place(dtmf + b.T("Decode", "解码"));
  b.Add(b.T("ID Code", "ID 码"), kDtmfIdCodeOffset, kDtmfCodeLength,
        [](const Decoded& d) { return FieldText(d.dtmfDecode.idCode); });
  b.Add(b.T("Group Code", "组码"), kDtmfGroupCodeOffset, 1, [lang](const Decoded& d) {
    const std::string text = GroupCodeText(d.dtmfDecode.groupCode, lang);
    return d.dtmfDecode.groupCode == kGroupCodeOff ? text : FieldText(text);
  });
  b.Add(b.T("Stun Activation", "遥毙激活"), {{kDtmfOptionOffset, 1, Bit(kDtmfStunOnBit)}},
        [lang](const Decoded& d) { return TickText(d.dtmfDecode.stunActivation, lang); });
  b.Add(b.T("Stun Code", "遥毙码"), kDtmfStunCodeOffset, kDtmfCodeLength,
        [](const Decoded& d) { return FieldText(d.dtmfDecode.stunCode); });
  b.Add(b.T("Stun Type", "遥毙类型"), {{kDtmfOptionOffset, 1, Bit(kDtmfTxInhibitBit)}},
        [lang](const Decoded& d) { return StunTypeText(d.dtmfDecode.txInhibit, lang); });

  b.Place(dtmf + b.T("CallList", "呼叫列表"));
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    b.Add(std::string(b.T("Fast Call List", "快速呼叫列表")) + " " + std::to_string(n + 1),
          DtmfCallOffset(n), kDtmfCallLength,
          [n](const Decoded& d) { return FieldText(d.dtmfCalls[n]); });
}

void AddTwoTone(Builder& b) {
  const Language lang = b.Lang();
  const std::string twoTone = std::string(b.T("2-Tone", "两音")) + " / ";
  const std::size_t t = kTwoToneTimingDisplay;
  b.Place(twoTone + b.T("Encode", "编码"));
  b.Add(b.T("The first delay time(s)", "第一延迟时间(秒)"), t, 1,
        [](const Decoded& d) { return FormatSeconds(d.twoToneEncode.firstDelay); });
  b.Add(b.T("The second delay time(s)", "第二延迟时间(秒)"), t + 1, 1,
        [](const Decoded& d) { return FormatSeconds(d.twoToneEncode.secondDelay); });
  b.Add(b.T("Long tone delay time(s)", "长音延迟时间(秒)"), t + 2, 1,
        [](const Decoded& d) { return FormatSeconds(d.twoToneEncode.longDelay); });
  b.Add(b.T("Tone interval time(ms)", "音频间隔时间(毫秒)"), t + 3, 2,
        [](const Decoded& d) { return FormatSeconds(d.twoToneEncode.interval); });
  b.Add(b.T("Tx rise delay time(ms)", "发射上升延迟时间(毫秒)"), t + 5, 2,
        [](const Decoded& d) { return FormatTxRise(d.twoToneEncode.txRise); });
  b.Add(b.T("Short beep tone", "短提示音"), kTwoToneShortBeepOffset, 1,
        [lang](const Decoded& d) { return TickText(d.twoToneEncode.shortBeep, lang); });
  const char* toneHeadings[2] = {b.T("Tone1 Fre", "音频1"), b.T("Tone2 Fre", "音频2")};
  for (int code = 0; code < kTwoToneEncodeCodes; ++code)
    for (int tone = 0; tone < 2; ++tone) {
      const auto k = static_cast<std::size_t>(code);
      const auto i = static_cast<std::size_t>(tone);
      b.Add(std::string(toneHeadings[i]) + " " + std::to_string(code + 1),
            EncodeToneDisplayOffset(code, tone), 2, [k, i](const Decoded& d) {
              const auto& cell = d.twoToneEncode.tones[k][i];
              return cell ? FormatTone(*cell) : std::string();
            });
    }

  for (int slot = 0; slot < kTwoToneDecodeSlots; ++slot) {
    b.Place(twoTone + b.T("Decode", "解码") + " / 2-Tone" + std::to_string(slot + 1));
    const std::size_t at = DecodeSlotDisplayOffset(slot);
    const auto n = static_cast<std::size_t>(slot);
    b.Add(b.T("A Tone(HZ)", "A 音频(Hz)"), at, 2,
          [n](const Decoded& d) { return FormatTone(d.twoToneDecode[n].aTone); });
    b.Add(b.T("B Tone(HZ)", "B 音频(Hz)"), at + 2, 2,
          [n](const Decoded& d) { return FormatTone(d.twoToneDecode[n].bTone); });
    b.Add(b.T("The first delay time(s)", "第一延迟时间(秒)"), at + 4, 1,
          [n](const Decoded& d) { return FormatSeconds(d.twoToneDecode[n].firstDelay); });
    b.Add(b.T("The second delay time(s)", "第二延迟时间(秒)"), at + 5, 1,
          [n](const Decoded& d) { return FormatSeconds(d.twoToneDecode[n].secondDelay); });
    b.Add(b.T("Interval time(s)", "间隔时间(秒)"), at + 6, 1,
          [n](const Decoded& d) { return FormatDecodeInterval(d.twoToneDecode[n].interval); });
    b.Add(b.T("Long tone delay time(s)", "长音延迟时间(秒)"), at + 7, 1,
          [n](const Decoded& d) { return FormatSeconds(d.twoToneDecode[n].longDelay); });
  }
}

void AddMsk(Builder& b) {
  b.Place("MSK");
  b.Add(b.T("ID Code", "ID 码"), MskFieldOffset(0), kMskIdLength,
        [](const Decoded& d) { return FieldText(d.msk.idCode); });
  for (int j = 1; j <= kMskCallListSize; ++j) {
    const auto entry = static_cast<std::size_t>(j - 1);
    b.Add(std::string(MskCallListHeading(b.Lang(), 1)) + " " + std::to_string(j), MskFieldOffset(j),
          kMskIdLength, [entry](const Decoded& d) { return FieldText(d.msk.callList[entry]); });
  }
}

void AddKeyAssignment(Builder& b) {
  // The radio buttons in their order; the stored code is 3 - position.
  static const char* const kSideKeyLabels[2][kSideKeyChoices] = {
      {"Option Singalling Call", "Emergency Call", "Send 1750Hz Singal", "Squelch Off Momentary"},
      {"选呼信令呼叫", "紧急呼叫", "发射1750Hz信号", "瞬时静噪关闭"}};
  const auto& labels = kSideKeyLabels[b.Lang() == Language::Chinese ? 1 : 0];
  b.Place(b.T("Key Assignment", "按键定义"));
  b.Add(b.T("Side Key", "侧键"), {{kSideKeyOffset, 1, 0x03}},
        [&labels](const Decoded& d) { return std::string(labels[LoadSideKeyPosition(d.image)]); });
}

void AddSquelchTuning(Builder& b) {
  b.Place(b.T("Squelch Tuning", "静噪调整"));
  for (const SquelchField& field : kSquelchFields)
    b.Add(b.T(field.label, field.chinese), field.offset, 1, [&field](const Decoded& d) {
      return SquelchSelectionText(SquelchSelectionOfByte(d.image[field.offset], field.defaultByte));
    });
}

std::vector<SettingItem> MakeItems(Language lang) {
  Builder b(lang);
  AddProductInformation(b);
  AddOptionalFeatures(b);
  AddDtmf(b);
  AddTwoTone(b);
  AddMsk(b);
  AddKeyAssignment(b);
  AddSquelchTuning(b);
  return b.Take();
}

}  // namespace

DecodedSettings::DecodedSettings(const RadioImage& source)
    : image(source),
      bands(DecodeBandLimits(ReadBandLimitBlock(source))),
      optional(LoadOptionalFeatures(source)),
      dtmfEncode(LoadDtmfEncode(source)),
      dtmfDecode(LoadDtmfDecode(source)),
      dtmfCalls(LoadDtmfCallList(source)),
      twoToneEncode(LoadTwoToneEncode(source)),
      msk(LoadMskSettings(source)) {
  for (int slot = 0; slot < kTwoToneDecodeSlots; ++slot)
    twoToneDecode[static_cast<std::size_t>(slot)] = LoadTwoToneDecodeSlot(source, slot);
}

const std::vector<SettingItem>& SettingItems(Language lang) {
  static const std::vector<SettingItem> english = MakeItems(Language::English);
  static const std::vector<SettingItem> chinese = MakeItems(Language::Chinese);
  return lang == Language::Chinese ? chinese : english;
}

}  // namespace radio
