#include "channels/cell_commit.h"

namespace radio {
namespace {

bool OnChannelStep(std::int64_t f) {
  return f % 500 == 0 || f % 625 == 0;
}

CellCommitOutcome Refuse(const ChannelRow& row, CellMessage message, CommitTrigger trigger) {
  CellCommitOutcome out;
  out.row = row;
  out.message = message;
  out.editorStays = true;
  out.clearEditor = trigger == CommitTrigger::kEnterKey;
  return out;
}

CellCommitOutcome CommitReceive(const ChannelRow& row, std::string_view text,
                                const BandLimits& band, Language lang, CommitTrigger trigger) {
  CellCommitOutcome out;
  if (text.empty()) return out;  // an emptied receive frequency deletes the channel
  const std::string t = NormaliseFrequencyText(text);
  const std::int64_t f = ParseFrequency(t);
  if (f < kLowestReceive || f > kHighestReceive)
    return Refuse(row, CellMessage::kDataFormat, trigger);
  if (!OnChannelStep(f)) {
    // Left with an off-step value the channel is deleted; Enter only empties the editor.
    if (trigger == CommitTrigger::kEnterKey) return Refuse(row, CellMessage::kStepValue, trigger);
    out.message = CellMessage::kStepValue;
    return out;
  }
  if (!band.Contains(f)) return Refuse(row, CellMessage::kOutOfRange, trigger);
  if (row[kRxFrequency].empty()) {
    out.row = NewChannelRow(t, lang);
  } else {
    out.row = row;
    out.row[kRxFrequency] = t;
  }
  return out;
}

}  // namespace

ChannelRow NewChannelRow(const std::string& rx, Language lang) {
  ChannelRow row;
  row[kRxFrequency] = rx;
  row[kTxFrequency] = rx;
  row[kDecodeTone] = ToneText(0xFF, 0xFF, lang);
  row[kEncodeTone] = ToneText(0xFF, 0xFF, lang);
  row[kChannelName] = "";
  row[kPower] = PowerText(true, lang);
  row[kBandwidth] = BandwidthText(true, lang);
  row[kScanAdd] = ScanAddText(true, lang);
  row[kBusyLock] = BusyLockText(0, lang);
  return row;
}

ChannelRow RowAfterStore(const ChannelRow& typed, const std::uint8_t* record, Language lang) {
  ChannelRow shown = DecodeChannelRecord(record, lang);
  if (!IsEmptyChannelRecord(record)) return shown;
  for (ChannelField f : {kChannelName, kPower, kBandwidth, kScanAdd, kBusyLock})
    if (shown[f].empty()) shown[f] = typed[f];
  return shown;
}

CellCommitOutcome DecideCellCommit(const ChannelRow& row, ChannelField field,
                                   std::string_view editorText, const BandLimits& band,
                                   Language lang, CommitTrigger trigger) {
  if (field == kRxFrequency) return CommitReceive(row, editorText, band, lang, trigger);

  CellCommitOutcome out;
  out.row = row;
  if (field == kTxFrequency) {
    std::string t = NormaliseFrequencyText(editorText);
    // No range or step test here: out of band falls back to band 1's lower limit.
    if (!band.Contains(ParseFrequency(t))) t = FrequencyText(band.lower1);
    // A transmit frequency cannot exist without a receive frequency.
    if (row[kRxFrequency].empty()) t.clear();
    out.row[kTxFrequency] = t;
    return out;
  }
  if (field < 0 || field >= kChannelFieldCount) return out;
  const bool emptyChannel = row[kRxFrequency].empty() && row[kTxFrequency].empty();
  out.row[static_cast<std::size_t>(field)] = emptyChannel ? std::string() : std::string(editorText);
  return out;
}

KeyDecision FilterFrequencyKey(EditorKey key, bool shiftHeld) {
  switch (key) {
    case EditorKey::kBackspace:
    case EditorKey::kDelete:
    case EditorKey::kKeypadDigit:
    case EditorKey::kKeypadPoint:
    case EditorKey::kArrow:
      return KeyDecision::kPass;
    case EditorKey::kDigit:
    case EditorKey::kFullStop:
      return shiftHeld ? KeyDecision::kDiscard : KeyDecision::kPass;
    case EditorKey::kEnter:
      return KeyDecision::kCommit;
    case EditorKey::kOther:
      break;
  }
  return KeyDecision::kDiscard;
}

int CellHelpContext(int controlId, int gridCol) {
  if (controlId == kFrequencyEditId) return gridCol == 1 ? 2127 : 2128;
  if (controlId == kToneListId) return gridCol == 3 ? 2132 : 2133;
  return controlId;
}

int EditorIdForColumn(int gridCol) {
  switch (gridCol) {
    case 1:
    case 2:
      return kFrequencyEditId;
    case 3:
    case 4:
      return kToneListId;
    case 5:
      return kNameEditId;
    case 6:
      return kPowerListId;
    case 7:
      return kBandwidthListId;
    case 8:
      return kScanAddListId;
    case 9:
      return kBusyLockListId;
    default:
      return 0;
  }
}

int PrefixMatchIndex(const std::vector<std::string>& items, std::string_view text) {
  const auto lower = [](char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
  };
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    if (item.size() < text.size()) continue;
    bool match = true;
    for (std::size_t k = 0; k < text.size() && match; ++k) match = lower(item[k]) == lower(text[k]);
    if (match) return static_cast<int>(i);
  }
  return items.empty() ? -1 : 0;
}

}  // namespace radio
