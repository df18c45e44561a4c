#include "compare/image_diff.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>

#include "compare/setting_items.h"
#include "image/channel_codec.h"
#include "interchange/channel_name_text.h"

namespace radio {
namespace {

using Bits = std::array<std::uint8_t, kImageSize>;

// The bits each grid column reads within a channel record (byte, count,
// mask). The shift direction (byte 13 bits 6-7) is derived from the two
// frequencies on every store, so a changed frequency explains it.
struct ColumnBits {
  std::size_t first, count;
  std::uint8_t mask;
};
constexpr std::size_t kShiftByte = 13;
constexpr std::uint8_t kShiftMask = 0xC0;
constexpr ColumnBits kColumnBits[kChannelFieldCount] = {
    {0, 4, 0xFF},  {4, 4, 0xFF},  {8, 2, 0xFF},  {10, 2, 0xFF}, {16, 8, 0xFF},
    {13, 1, 0x20}, {13, 1, 0x10}, {13, 1, 0x08}, {13, 1, 0x06},
};

void Explain(Bits& explained, std::size_t offset, std::size_t count, std::uint8_t mask) {
  for (std::size_t i = 0; i < count && offset + i < kImageSize; ++i) explained[offset + i] |= mask;
}

std::string TrimmedTitle(int column, Language lang) {
  std::string title = ChannelColumnTitle(column, lang);
  const auto first = title.find_first_not_of(' ');
  const auto last = title.find_last_not_of(' ');
  return first == std::string::npos ? title : title.substr(first, last - first + 1);
}

std::string ChannelPlace(int record, Language lang) {
  return std::string(Tr(lang, "Channel", "信道")) + " " + ChannelRowLabel(record);
}

bool HasControlCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A changed name as the grid shows it; as escaped bytes where that would
// show the same text on both sides or break the line.
void SetNameTexts(const std::string& a, const std::string& b, const NameDecoder& names,
                  ImageDifference& d) {
  if (names) {
    d.before = names(a);
    d.after = names(b);
    if (d.before != d.after && !HasControlCharacter(d.before) && !HasControlCharacter(d.after))
      return;
  }
  d.before = NameToCsvText(a);
  d.after = NameToCsvText(b);
}

void DiffChannels(const RadioImage& a, const RadioImage& b, Language lang, const NameDecoder& names,
                  std::vector<ImageDifference>& out, Bits& explained) {
  for (int record = 0; record < kChannelRecords; ++record) {
    const std::size_t base = static_cast<std::size_t>(record) * kChannelRecordSize;
    const std::span<const std::uint8_t> ra(a.data() + base, kChannelRecordSize);
    const std::span<const std::uint8_t> rb(b.data() + base, kChannelRecordSize);
    if (std::equal(ra.begin(), ra.end(), rb.begin())) continue;
    const ChannelRow rowA = DecodeChannelRecord(ra.data(), lang);
    const ChannelRow rowB = DecodeChannelRecord(rb.data(), lang);
    for (int field = 0; field < kChannelFieldCount; ++field) {
      const auto f = static_cast<std::size_t>(field);
      if (rowA[f] == rowB[f]) continue;
      ImageDifference d;
      d.kind = DifferenceKind::Channel;
      d.channel = record + 1;
      d.column = field + 1;
      d.place = ChannelPlace(record, lang);
      d.label = TrimmedTitle(field + 1, lang);
      if (field == kChannelName) {
        SetNameTexts(rowA[f], rowB[f], names, d);
      } else {
        d.before = rowA[f];
        d.after = rowB[f];
      }
      d.offset = base + kColumnBits[f].first;
      Explain(explained, d.offset, kColumnBits[f].count, kColumnBits[f].mask);
      if (field == kRxFrequency || field == kTxFrequency)
        Explain(explained, base + kShiftByte, 1, kShiftMask);
      out.push_back(std::move(d));
    }
  }
}

bool AnyByteDiffers(const RadioImage& a, const RadioImage& b, const SettingItem& item) {
  for (const BitSpan& span : item.bits)
    for (std::size_t i = 0; i < span.count; ++i)
      if (a[span.offset + i] != b[span.offset + i]) return true;
  return false;
}

void DiffSettings(const RadioImage& a, const RadioImage& b, Language lang,
                  std::vector<ImageDifference>& out, Bits& explained) {
  const DecodedSettings da(a), db(b);
  for (const SettingItem& item : SettingItems(lang)) {
    if (!AnyByteDiffers(a, b, item)) continue;
    ImageDifference d;
    d.kind = DifferenceKind::Setting;
    d.place = item.place;
    d.label = item.label;
    d.before = item.text(da);
    d.after = item.text(db);
    if (d.before == d.after) continue;
    d.offset = item.bits.front().offset;
    for (const BitSpan& span : item.bits) Explain(explained, span.offset, span.count, span.mask);
    out.push_back(std::move(d));
  }
}

std::string Hex(std::size_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*zX", digits, value);
  return text;
}

int ChannelOfOffset(std::size_t offset) {
  return offset < kChannelRecords * kChannelRecordSize
             ? static_cast<int>(offset / kChannelRecordSize) + 1
             : 0;
}

// Runs of adjacent unexplained bytes, at most 8 bytes, never across a
// channel record's edge, so each line stays short and belongs to one row.
void DiffRawBytes(const RadioImage& a, const RadioImage& b, Language lang, const Bits& explained,
                  std::vector<ImageDifference>& out) {
  constexpr std::size_t kMaxRun = 8;
  auto raw = [&](std::size_t i) { return ((a[i] ^ b[i]) & ~explained[i]) != 0; };
  for (std::size_t i = 0; i < kImageSize;) {
    if (!raw(i)) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < kImageSize && end - i < kMaxRun && raw(end) &&
           ChannelOfOffset(end) == ChannelOfOffset(i))
      ++end;
    ImageDifference d;
    d.kind = DifferenceKind::Bytes;
    d.channel = ChannelOfOffset(i);
    d.offset = i;
    d.length = end - i;
    const std::string word = d.length == 1 ? Tr(lang, "Byte", "字节") : Tr(lang, "Bytes", "字节");
    d.place = word + " 0x" + Hex(i, 4) + (d.length == 1 ? "" : "-0x" + Hex(end - 1, 4));
    for (std::size_t j = i; j < end; ++j) {
      const std::string sep = j == i ? (d.length == 1 ? "0x" : "") : " ";
      d.before += sep + Hex(a[j], 2);
      d.after += sep + Hex(b[j], 2);
    }
    out.push_back(std::move(d));
    i = end;
  }
}

}  // namespace

std::vector<ImageDifference> DiffImages(const RadioImage& before, const RadioImage& after,
                                        Language lang, const NameDecoder& names) {
  std::vector<ImageDifference> out;
  if (before == after) return out;
  Bits explained{};
  DiffChannels(before, after, lang, names, out, explained);
  DiffSettings(before, after, lang, out, explained);
  DiffRawBytes(before, after, lang, explained, out);
  return out;
}

std::string DifferenceText(const ImageDifference& d, Language lang) {
  auto shown = [lang](const std::string& text) {
    return text.empty() ? std::string(Tr(lang, "(empty)", "(空)")) : text;
  };
  std::string where = d.place;
  if (d.kind == DifferenceKind::Channel) where += " " + d.label;
  if (d.kind == DifferenceKind::Setting) where += " / " + d.label;
  return where + ": " + shown(d.before) + " → " + shown(d.after);
}

std::array<std::uint8_t, kImageSize> MappedBits() {
  Bits bits{};
  for (int record = 0; record < kChannelRecords; ++record) {
    const std::size_t base = static_cast<std::size_t>(record) * kChannelRecordSize;
    for (const ColumnBits& column : kColumnBits)
      Explain(bits, base + column.first, column.count, column.mask);
    Explain(bits, base + kShiftByte, 1, kShiftMask);
  }
  for (const SettingItem& item : SettingItems(Language::English))
    for (const BitSpan& span : item.bits) Explain(bits, span.offset, span.count, span.mask);
  return bits;
}

}  // namespace radio
