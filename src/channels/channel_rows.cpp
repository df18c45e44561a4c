#include "channels/channel_rows.h"

#include <algorithm>
#include <cstring>

#include "image/bytes.h"

namespace radio {
namespace {

std::uint8_t* RecordAt(RadioImage& image, int index) {
  return image.data() + static_cast<std::size_t>(index) * kChannelRecordSize;
}

// A place holds a channel while either frequency is there: a record with
// only one of them does not show as a channel, but its bytes are still
// someone's work and must not be pushed out.
bool InUse(const ChannelRecord& record) {
  return DecodeFrequency(record.data()) != 0 || DecodeFrequency(record.data() + 4) != 0;
}

// The sort key of an empty channel is past every used one.
struct SortEntry {
  bool empty;
  std::int64_t frequency;
  std::string name;
  ChannelRecord record;
};

}  // namespace

ChannelRecord EmptyChannelRecord() {
  ChannelRecord record;
  record.fill(0xFF);
  return record;
}

ChannelRecord ReadChannelRecord(const RadioImage& image, int index) {
  ChannelRecord record;
  std::memcpy(record.data(), image.data() + static_cast<std::size_t>(index) * kChannelRecordSize,
              kChannelRecordSize);
  return record;
}

void WriteChannelRecord(RadioImage& image, int index, const ChannelRecord& record) {
  std::memcpy(RecordAt(image, index), record.data(), kChannelRecordSize);
}

std::vector<int> NormaliseChannelSelection(std::vector<int> indices) {
  std::erase_if(indices, [](int i) { return i < 0 || i >= kChannelCount; });
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return indices;
}

bool InsertEmptyChannels(RadioImage& image, int at, int count) {
  if (at < 0 || at >= kChannelCount || count <= 0) return false;
  count = std::min(count, kChannelCount - at);
  for (int i = kChannelCount - count; i < kChannelCount; ++i)
    if (InUse(ReadChannelRecord(image, i))) return false;
  for (int i = kChannelCount - 1; i >= at + count; --i)
    WriteChannelRecord(image, i, ReadChannelRecord(image, i - count));
  for (int i = at; i < at + count; ++i) WriteChannelRecord(image, i, EmptyChannelRecord());
  return true;
}

void DeleteChannels(RadioImage& image, const std::vector<int>& indices) {
  const std::vector<int> gone = NormaliseChannelSelection(indices);
  std::vector<ChannelRecord> kept;
  for (int i = 0; i < kChannelCount; ++i)
    if (!std::binary_search(gone.begin(), gone.end(), i)) kept.push_back(ReadChannelRecord(image, i));
  for (int i = 0; i < kChannelCount; ++i)
    WriteChannelRecord(image, i,
                       i < static_cast<int>(kept.size()) ? kept[static_cast<std::size_t>(i)]
                                                         : EmptyChannelRecord());
}

void ClearChannels(RadioImage& image, const std::vector<int>& indices) {
  for (int i : NormaliseChannelSelection(indices)) WriteChannelRecord(image, i, EmptyChannelRecord());
}

bool MoveChannels(RadioImage& image, const std::vector<int>& indices, int delta) {
  std::vector<int> sel = NormaliseChannelSelection(indices);
  if (sel.empty() || (delta != -1 && delta != 1)) return false;
  if ((delta < 0 && sel.front() == 0) || (delta > 0 && sel.back() == kChannelCount - 1))
    return false;
  // Each selected channel swaps with the place beside it; walking towards
  // the move keeps a selected block together.
  if (delta > 0) std::reverse(sel.begin(), sel.end());
  for (int i : sel) {
    const ChannelRecord moving = ReadChannelRecord(image, i);
    WriteChannelRecord(image, i, ReadChannelRecord(image, i + delta));
    WriteChannelRecord(image, i + delta, moving);
  }
  return true;
}

void SortChannels(RadioImage& image, const std::vector<int>& indices, ChannelSortKey key) {
  const std::vector<int> sel = NormaliseChannelSelection(indices);
  std::vector<SortEntry> entries;
  entries.reserve(sel.size());
  for (int i : sel) {
    const ChannelRecord record = ReadChannelRecord(image, i);
    const ChannelRow row = DecodeChannelRecord(record.data(), Language::English);
    entries.push_back({!InUse(record), DecodeFrequency(record.data()), row[kChannelName], record});
  }
  std::stable_sort(entries.begin(), entries.end(), [key](const SortEntry& a, const SortEntry& b) {
    if (a.empty != b.empty) return b.empty;
    if (a.empty) return false;
    return key == ChannelSortKey::kName ? a.name < b.name : a.frequency < b.frequency;
  });
  for (std::size_t k = 0; k < sel.size(); ++k) WriteChannelRecord(image, sel[k], entries[k].record);
}

void PasteChannels(RadioImage& image, const std::vector<int>& targets,
                   const std::vector<ChannelRecord>& records) {
  const std::size_t n = std::min(targets.size(), records.size());
  for (std::size_t k = 0; k < n; ++k) {
    const int at = targets[k];
    if (at >= 0 && at < kChannelCount) WriteChannelRecord(image, at, records[k]);
  }
}

std::vector<int> PasteTargets(const std::vector<int>& selection, int count) {
  const std::vector<int> sel = NormaliseChannelSelection(selection);
  if (sel.empty() || count <= 0) return {};
  if (static_cast<int>(sel.size()) == count) return sel;
  std::vector<int> targets;
  for (int i = sel.front(); i < kChannelCount && static_cast<int>(targets.size()) < count; ++i)
    targets.push_back(i);
  return targets;
}

std::string PackChannelRecords(const RadioImage& image, const std::vector<int>& indices) {
  std::string bytes;
  for (int i : NormaliseChannelSelection(indices)) {
    const ChannelRecord record = ReadChannelRecord(image, i);
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  return bytes;
}

std::vector<ChannelRecord> UnpackChannelRecords(std::string_view bytes) {
  if (bytes.empty() || bytes.size() % kChannelRecordSize != 0 ||
      bytes.size() > kChannelRecordSize * kChannelCount)
    return {};
  std::vector<ChannelRecord> records(bytes.size() / kChannelRecordSize);
  for (std::size_t k = 0; k < records.size(); ++k)
    std::memcpy(records[k].data(), bytes.data() + k * kChannelRecordSize, kChannelRecordSize);
  return records;
}

std::string ChannelRowsToTabText(const std::vector<ChannelRow>& rows) {
  std::string text;
  for (const ChannelRow& row : rows) {
    for (std::size_t f = 0; f < row.size(); ++f) {
      if (f) text += '\t';
      for (char c : row[f]) text += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    text += "\r\n";
  }
  return text;
}

std::vector<ChannelRow> TabTextToChannelRows(std::string_view text) {
  std::vector<ChannelRow> rows;
  std::size_t pos = 0;
  while (pos < text.size() && rows.size() < static_cast<std::size_t>(kChannelCount) + 1) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ChannelRow row;
    std::size_t field = 0, start = 0;
    for (std::size_t k = 0; k <= line.size() && field < row.size(); ++k) {
      if (k == line.size() || line[k] == '\t') {
        row[field++] = std::string(line.substr(start, k - start));
        start = k + 1;
      }
    }
    rows.push_back(row);
  }
  while (!rows.empty() && IsBlankRow(rows.back())) rows.pop_back();
  return rows;
}

}  // namespace radio
