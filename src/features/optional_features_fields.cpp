#include "features/optional_features_fields.h"

#include <span>

#include "image/bytes.h"

namespace radio {
namespace {

// Image offsets of the feature bytes.
constexpr std::size_t kTot = 0x1260;
constexpr std::size_t kSquelch = 0x1261;
constexpr std::size_t kVox = 0x1262;
constexpr std::size_t kStep = 0x1263;
constexpr std::size_t kTotPreAlert = 0x1264;
constexpr std::size_t kKeys = 0x1265;     // orange key, key lock, beep, stopwatch, scan, tail
constexpr std::size_t kDisplay = 0x1266;  // STR set, power-on style, back light and colour
constexpr std::size_t kDisplayMode = 0x1267;
constexpr std::size_t kSaver = 0x12A8;  // battery saver, keypad lock
constexpr std::size_t kPriority = 0x12A9;
constexpr std::size_t kMsk = 0x12AB;  // MSK type, repeater invert, allow reset

std::vector<std::string> Numbered(std::string first, int from, int to) {
  std::vector<std::string> items;
  if (!first.empty()) items.push_back(std::move(first));
  for (int n = from; n <= to; ++n) items.push_back(std::to_string(n));
  return items;
}

OptionalFeatureItems MakeLists(Language lang) {
  const bool zh = lang == Language::Chinese;
  auto pick = [zh](std::vector<std::string> en, std::vector<std::string> cn) {
    return zh ? cn : en;
  };
  OptionalFeatureItems l;
  l.backLight = pick({"Off", "Auto", "On"}, {"关闭", "自动", "打开"});
  l.backLightColor = pick({"Light 1", "Light 2", "Light 3"}, {"颜色1", "颜色2", "颜色3"});
  l.powerOnStyle = pick({"Off", "Voltage", "Message"}, {"关闭", "电压值", "欢迎信息"});
  l.keyLock = pick({"Auto", "Manual"}, {"自动", "手动"});
  l.priorityChannel = Numbered(zh ? "无" : "None", 1, 128);
  l.voxGain = Numbered(zh ? "关" : "Off", 1, 9);
  l.displayMode =
      pick({"CHANNEL", "NAME", "FREQ.CH", "FREQ"}, {"纯信道", "信道名称", "频率信道", "频率"});
  l.batterySaver = pick({"On", "Off"}, {"开", "关"});
  l.beep = pick({"On", "Off"}, {"开", "关"});
  l.tail = pick({"Off", "On"}, {"关", "开"});
  l.scanMode = pick({"TO", "CO", "SE"}, {"时间", "载波", "搜索"});
  l.squelchLevel = Numbered("", 0, 9);
  l.step = {"5", "6.25", "10", "12.5", "25"};
  l.tot = {zh ? "关闭" : "Off", "30", "60", "90", "120", "150", "180", "210", "240", "270"};
  l.totPreAlert = Numbered(zh ? "关闭" : "Off", 1, 9);
  l.stopwatch = pick({"On", "Off"}, {"开", "关"});
  l.orangeKey =
      pick({"Send 1750 Singal", "Emergency Call", "Off"}, {"发射1750信号", "发射报警信号", "关闭"});
  l.strSet = pick({"Auto", "Manual"}, {"自动", "手动"});
  l.allowReset = pick({"Enable", "Disable"}, {"允许", "禁止"});
  l.mskType = {"MSK-I", "MSK-II"};
  return l;
}

// A byte-valued list: the byte is the position; beyond the last item the
// first item is shown.
int ByteItem(std::uint8_t byte, int lastItem) {
  return byte <= lastItem ? byte : 0;
}
// Stored back: the position, or 0 when nothing (or nothing valid) is selected.
std::uint8_t ByteCode(int position, int lastItem) {
  return static_cast<std::uint8_t>(position >= 0 && position <= lastItem ? position : 0);
}
// A two-bit field whose code 3 has no item reads as the first item.
int ThreeItemField(std::uint8_t byte, int low) {
  const int code = GetBits(byte, low, 2);
  return code == 3 ? 0 : code;
}
// Position 1 and 2 store as themselves, anything else as 0.
int ThreeItemCode(int position) {
  return position == 1 || position == 2 ? position : 0;
}

}  // namespace

const OptionalFeatureItems& OptionalFeatureLists(Language lang) {
  static const OptionalFeatureItems english = MakeLists(Language::English);
  static const OptionalFeatureItems chinese = MakeLists(Language::Chinese);
  return lang == Language::Chinese ? chinese : english;
}

std::string PowerOnPasswordText(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c < '0' || c > '9' || digits.size() == kPasswordLength) break;
    digits.push_back(c);
  }
  return digits;
}

std::string ReadPowerOnPassword(const RadioImage& image) {
  const auto field = std::span(image).subspan(kPasswordOffset, kPasswordLength);
  return PowerOnPasswordText(std::string(field.begin(), field.end()));
}

void WritePowerOnPassword(RadioImage& image, std::string_view text) {
  WriteTextField(std::span(image).subspan(kPasswordOffset, kPasswordLength),
                 PowerOnPasswordText(text));
}

OptionalFeatures LoadOptionalFeatures(const RadioImage& image) {
  OptionalFeatures v;
  v.tot = ByteItem(image[kTot], 9);
  v.squelchLevel = ByteItem(image[kSquelch], 9);
  v.voxGain = ByteItem(image[kVox], 9);
  v.step = ByteItem(image[kStep], 4);
  v.totPreAlert = ByteItem(image[kTotPreAlert], 9);
  v.priorityChannel = ByteItem(image[kPriority], 128);

  const std::uint8_t keys = image[kKeys];
  switch (GetBits(keys, 0, 2)) {
    case 1:
      v.orangeKey = 0;
      break;  // send 1750 Hz
    case 0:
      v.orangeKey = 2;
      break;  // off
    default:
      v.orangeKey = 1;
      break;  // 2 and 3: emergency call
  }
  v.keyLock = GetBit(keys, 2) ? 1 : 0;
  v.beep = GetBit(keys, 3) ? 0 : 1;
  v.stopwatch = GetBit(keys, 4) ? 0 : 1;
  v.scanMode = ThreeItemField(keys, 5);
  v.tail = GetBit(keys, 7) ? 1 : 0;

  const std::uint8_t display = image[kDisplay];
  v.strSet = GetBit(display, 0) ? 1 : 0;
  v.powerOnStyle = ThreeItemField(display, 2);
  v.backLight = ThreeItemField(display, 4);
  v.backLightColor = ThreeItemField(display, 6);
  v.displayMode = GetBits(image[kDisplayMode], 0, 2);

  v.batterySaver = GetBit(image[kSaver], 0) ? 0 : 1;
  v.keypadLock = !GetBit(image[kSaver], 7);
  v.mskType = GetBit(image[kMsk], 0) ? 0 : 1;
  v.repeaterMskInvert = GetBit(image[kMsk], 1);
  v.allowReset = GetBit(image[kMsk], 4) ? 0 : 1;

  v.password = ReadPowerOnPassword(image);
  return v;
}

void StoreOptionalFeatures(const OptionalFeatures& v, RadioImage& image) {
  SetBit(image[kMsk], 4, v.allowReset != 1);
  SetBit(image[kKeys], 7, v.tail == 1);
  SetBit(image[kDisplay], 0, v.strSet == 1);
  SetBits(image[kKeys], 0, 2, v.orangeKey == 0 ? 1 : v.orangeKey == 2 ? 0 : 2);
  image[kTot] = ByteCode(v.tot, 9);
  image[kSquelch] = ByteCode(v.squelchLevel, 9);
  image[kVox] = ByteCode(v.voxGain, 9);
  image[kStep] = ByteCode(v.step, 4);
  image[kTotPreAlert] = ByteCode(v.totPreAlert, 9);
  SetBit(image[kSaver], 0, v.batterySaver == 0);
  SetBit(image[kKeys], 2, v.keyLock != 0);
  SetBit(image[kKeys], 3, v.beep == 0);
  SetBit(image[kKeys], 4, v.stopwatch == 0);
  SetBits(image[kKeys], 5, 2, ThreeItemCode(v.scanMode));
  SetBits(image[kDisplay], 2, 2, ThreeItemCode(v.powerOnStyle));
  SetBits(image[kDisplay], 4, 2, ThreeItemCode(v.backLight));
  SetBits(image[kDisplay], 6, 2, ThreeItemCode(v.backLightColor));
  SetBits(image[kDisplayMode], 0, 2, v.displayMode >= 1 && v.displayMode <= 3 ? v.displayMode : 0);
  image[kPriority] = ByteCode(v.priorityChannel, 128);
  SetBit(image[kMsk], 0, v.mskType == 0);
  WritePowerOnPassword(image, v.password);
  SetBit(image[kMsk], 1, v.repeaterMskInvert);
  SetBit(image[kSaver], 7, !v.keypadLock);
}

}  // namespace radio
