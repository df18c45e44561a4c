// What leaving an edited channel cell does to its row: the validation of
// typed frequencies (absolute range, channel step, band limits), the
// defaults of a new channel, deleting a channel, and the key rules of the
// frequency editor. Plain decisions on texts, so the grid only moves texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/band_limits.h"
#include "image/channel_codec.h"
#include "image/language.h"

namespace radio {

// Absolute range of a receive frequency, 10 Hz units (67 MHz to 600 MHz).
constexpr std::int64_t kLowestReceive = 6700000;
constexpr std::int64_t kHighestReceive = 60000000;

// Why a typed receive frequency is refused: the message box the grid shows.
enum class CellMessage {
  kNone,
  kDataFormat,  // "Error Data Format, please input again." (stop icon)
  kOutOfRange,  // "Out of range, please input again."
  kStepValue,   // "Error data Value, please input according the step value(6.25K/5k)."
};

// How the edit ends: the cell is left, or Enter is pressed in the frequency editor.
enum class CommitTrigger { kLeaveCell, kEnterKey };

struct CellCommitOutcome {
  ChannelRow row;                            // the row's texts after the commit
  CellMessage message = CellMessage::kNone;  // box to show, if any
  bool editorStays = false;                  // the editor stays open over the cell
  bool clearEditor = false;                  // and its text is emptied (Enter after a message)
};

// The commit of `editorText` into field `field` of `row`. Receive: empty
// deletes the channel; the text is rewritten "%3.5f"; out of 67-600 MHz,
// off the 5 kHz / 6.25 kHz step or outside both bands is refused; a new
// channel gets the transmit frequency and default settings. Transmit: out
// of band becomes band 1's lower limit, empty without a receive frequency.
// Other fields: an empty channel takes no settings.
CellCommitOutcome DecideCellCommit(const ChannelRow& row, ChannelField field,
                                   std::string_view editorText, const BandLimits& band,
                                   Language lang, CommitTrigger trigger);

// The row a new channel gets from receive text `rx` (normalised).
ChannelRow NewChannelRow(const std::string& rx, Language lang);

// The row the grid shows once `typed` is stored in `record`: what the record
// reads back, except that a record without both frequencies reads its name
// and flags as empty, where the texts the user typed stay in sight.
ChannelRow RowAfterStore(const ChannelRow& typed, const std::uint8_t* record, Language lang);

// --- Frequency editor keys ---
enum class EditorKey {
  kBackspace,
  kDelete,
  kKeypadDigit,
  kKeypadPoint,
  kDigit,     // main keyboard 0-9
  kFullStop,  // main keyboard '.'
  kArrow,
  kEnter,
  kOther,
};
enum class KeyDecision { kPass, kDiscard, kCommit };
KeyDecision FilterFrequencyKey(EditorKey key, bool shiftHeld);

// --- Control ids of the channel view; they are also its help contexts. ---
constexpr int kGridControlId = 1022;
constexpr int kNameEditId = 1126;
constexpr int kFrequencyEditId = 1127;
constexpr int kBandwidthListId = 1128;
constexpr int kPowerListId = 1129;
constexpr int kBusyLockListId = 1130;
constexpr int kToneListId = 1132;
constexpr int kScanAddListId = 1134;

// Help context for F1 with control `controlId` focused while grid column
// `gridCol` (1-9) is current: the frequency editor gives 2127 / 2128 and the
// tone list 2132 / 2133 by column; any other control its own id.
int CellHelpContext(int controlId, int gridCol);

// The editor control of grid column 1-9 (0 for any other column).
int EditorIdForColumn(int gridCol);

// The item a drop-down list preselects for a cell text: the first item that
// begins with the text, ignoring ASCII case (an empty text matches the first
// item); the first item when none does. -1 for an empty list.
int PrefixMatchIndex(const std::vector<std::string>& items, std::string_view text);

}  // namespace radio
