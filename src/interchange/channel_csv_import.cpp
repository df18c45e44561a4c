// Reading a channel CSV into an import plan and applying it. Kept as one
// file (about 500 lines): the field readers, the row checks and the plan all
// write into the same per-row problem list, and a row's rules read best in
// one place; the text helpers it shares with the export live in csv_text
// and channel_name_text.
#include "interchange/channel_csv_import.h"

#include <algorithm>
#include <map>
#include <optional>

#include "image/decimal_text.h"
#include "image/trim.h"
#include "interchange/channel_name_text.h"
#include "interchange/csv_text.h"

namespace radio {
namespace {

// Receive frequencies the radio accepts at all, in 10 Hz units.
constexpr std::int64_t kLowestFrequency = 6700000;
constexpr std::int64_t kHighestFrequency = 60000000;
constexpr std::uint8_t kNotSet = 0xFF;
constexpr int kSignalKindNotSet = 7;
constexpr int kHighestEncodeNumber = 32;
constexpr int kHighestDecodeNumber = 8;

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// A plain decimal ("146.52", "5", " 88.5 ") scaled by 10^decimals. False for
// anything else (signs, exponents, letters, more than 9 whole digits).
// `exact` is false when digits beyond `decimals` are not all zero.
bool ParsePlainDecimal(std::string_view text, int decimals, std::int64_t& value, bool& exact) {
  const DecimalUnits reading = ReadDecimalUnits(text, decimals, DecimalForm::kWholeField);
  if (!reading.valid) return false;
  value = reading.units;
  exact = reading.exact;
  return true;
}

bool ParseWholeNumber(std::string_view text, std::int64_t& value) {
  bool exact = true;
  return text.find('.') == std::string_view::npos && ParsePlainDecimal(text, 0, value, exact);
}

// One data row being read: the row's fields by column, falling back on the
// target channel's texts, and the problems found so far.
class RowReader {
 public:
  RowReader(const CsvRecord& record, const std::array<int, kCsvColumnCount>& columnAt,
            ImportRow& row, Language lang)
      : record_(record), columnAt_(columnAt), row_(row), lang_(lang) {}

  // A problem text in the plan's language, "%1" ... filled from `args`.
  std::string T(const char* english, const char* chinese,
                std::initializer_list<std::string_view> args = {}) const {
    return FillIn(Tr(lang_, english, chinese), args);
  }

  // The row's own text; nothing when the file or the row lacks the column.
  std::optional<std::string_view> Given(ChannelCsvColumn c) const {
    const int at = columnAt_[c];
    if (at < 0 || static_cast<std::size_t>(at) >= record_.fields.size()) return std::nullopt;
    return std::string_view(record_.fields[static_cast<std::size_t>(at)]);
  }
  // The row's text, or the target's when the row has none.
  std::string_view Text(ChannelCsvColumn c) const {
    const auto given = Given(c);
    return given ? *given : std::string_view(row_.oldFields[c]);
  }
  // Like Text, and an empty field also keeps the target's value.
  std::string_view TextOrKept(ChannelCsvColumn c) const {
    const auto given = Given(c);
    return given && !Trim(*given).empty() ? *given : std::string_view(row_.oldFields[c]);
  }

  void Error(ChannelCsvColumn c, std::string message) { Add(c, ImportSeverity::kError, message); }
  void Warning(ChannelCsvColumn c, std::string message) {
    Add(c, ImportSeverity::kWarning, message);
  }
  std::size_t ProblemCount() const { return row_.problems.size(); }
  bool HasErrors() const {
    return std::any_of(row_.problems.begin(), row_.problems.end(),
                       [](const ImportProblem& p) { return p.severity == ImportSeverity::kError; });
  }

 private:
  void Add(ChannelCsvColumn c, ImportSeverity severity, std::string& message) {
    row_.problems.push_back({record_.line, ChannelCsvHeader()[c], severity, std::move(message)});
  }

  const CsvRecord& record_;
  const std::array<int, kCsvColumnCount>& columnAt_;
  ImportRow& row_;
  Language lang_;
};

// A field of the file in a problem text: shortened, control bytes escaped.
std::string Quoted(std::string_view text) {
  return "\"" + FieldForMessage(text) + "\"";
}

// A frequency column in MHz to 10 Hz units; nothing after reporting a problem.
std::optional<std::int64_t> ReadMhz(RowReader& in, ChannelCsvColumn c, std::string_view text) {
  std::int64_t f = 0;
  bool exact = true;
  if (Trim(text).empty()) {
    in.Error(c, in.T("no frequency given", "未给出频率"));
    return std::nullopt;
  }
  if (!ParsePlainDecimal(text, 5, f, exact)) {
    in.Error(c, in.T("%1 is not a number of MHz", "%1 不是以 MHz 为单位的数值", {Quoted(text)}));
    return std::nullopt;
  }
  if (!exact) {
    in.Error(c, in.T("%1 MHz is not on the 5 / 6.25 kHz step", "%1 MHz 不在 5 / 6.25 kHz 步进上",
                     {FieldForMessage(Trim(text))}));
    return std::nullopt;
  }
  return f;
}

// The receive frequency, or 0 after reporting a problem.
std::int64_t ReadReceiveFrequency(RowReader& in) {
  const std::optional<std::int64_t> read = ReadMhz(in, kCsvFrequency, in.Text(kCsvFrequency));
  if (!read) return 0;
  const std::int64_t f = *read;
  if (f < kLowestFrequency || f > kHighestFrequency) {
    in.Error(kCsvFrequency,
             in.T("%1 MHz is outside 67-600 MHz", "%1 MHz 超出 67-600 MHz", {CsvMhzText(f)}));
    return 0;
  }
  if (f % 500 != 0 && f % 625 != 0) {
    in.Error(kCsvFrequency, in.T("%1 MHz is not on the 5 / 6.25 kHz step",
                                 "%1 MHz 不在 5 / 6.25 kHz 步进上", {CsvMhzText(f)}));
    return 0;
  }
  return f;
}

std::int64_t ReadTransmitFrequency(RowReader& in, std::int64_t rx) {
  const std::string_view duplex = Trim(in.Text(kCsvDuplex));
  if (duplex.empty()) return rx;
  if (SameWord(duplex, "off")) {
    in.Error(kCsvDuplex, in.T("this radio cannot switch transmit off", "本机不能关闭发射"));
    return 0;
  }
  const bool plus = duplex == "+", minus = duplex == "-", split = SameWord(duplex, "split");
  if (!plus && !minus && !split) {
    in.Error(kCsvDuplex, in.T("%1 is not \"\", \"+\", \"-\" or \"split\"",
                              "%1 不是 \"\"、\"+\"、\"-\" 或 \"split\"", {Quoted(duplex)}));
    return 0;
  }
  const std::optional<std::int64_t> offset = ReadMhz(in, kCsvOffset, in.Text(kCsvOffset));
  if (!offset) return 0;
  return split ? *offset : plus ? rx + *offset : rx - *offset;
}

// A CTCSS column to the codec's tone text ("88.5"); empty after a problem.
std::string ReadCtcss(RowReader& in, ChannelCsvColumn c) {
  const std::string_view text = in.Text(c);
  std::int64_t tenths = 0;
  bool exact = true;
  if (ParsePlainDecimal(text, 1, tenths, exact)) {
    const std::string tone = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    const auto& list = ToneList(Language::English);
    if (exact && std::find(list.begin() + 1, list.end(), tone) != list.end()) return tone;
    in.Error(c, in.T("%1 Hz is not in the radio's tone list", "%1 Hz 不在本机的亚音列表中",
                     {FieldForMessage(Trim(text))}));
    return {};
  }
  in.Error(c, in.T("%1 is not a tone frequency", "%1 不是亚音频率", {Quoted(text)}));
  return {};
}

// A DCS code column and one polarity letter to the codec's text ("D023N").
std::string ReadDcs(RowReader& in, ChannelCsvColumn c, char polarity) {
  const std::string_view text = Trim(in.Text(c));
  std::int64_t code = 0;
  if (text.empty() || text.size() > 3 || !ParseWholeNumber(text, code)) {
    in.Error(c, in.T("%1 is not a DCS code", "%1 不是 DCS 码", {Quoted(text)}));
    return {};
  }
  std::string digits = std::to_string(code);
  digits.insert(0, 3 - digits.size(), '0');
  const std::string tone = "D" + digits + (polarity == 'R' ? "I" : "N");
  const auto& list = ToneList(Language::English);
  if (std::find(list.begin(), list.end(), tone) != list.end()) return tone;
  in.Error(c, in.T("DCS code %1 is not in the radio's tone list", "DCS 码 %1 不在本机的亚音列表中",
                   {digits}));
  return {};
}

struct Tones {
  std::string encode = "None";  // transmit
  std::string decode = "None";  // receive
};

Tones ReadTones(RowReader& in) {
  Tones t;
  const std::string_view mode = Trim(in.Text(kCsvTone));
  // DtcsPolarity is read once, when a DCS code needs it.
  std::string polarities;
  const auto polarity = [&](int side) -> char {
    if (polarities.empty()) {
      const std::string_view p = Trim(in.Text(kCsvDtcsPolarity));
      const auto ok = [](char ch) { return ch == 'N' || ch == 'R'; };
      polarities = p.size() == 2 && ok(p[0]) && ok(p[1]) ? std::string(p) : "NN";
      if (polarities != p)
        in.Error(kCsvDtcsPolarity,
                 in.T("%1 is not two letters N or R", "%1 不是两个字母 N 或 R", {Quoted(p)}));
    }
    return polarities[static_cast<std::size_t>(side)];
  };
  if (mode.empty()) return t;
  if (SameWord(mode, "Tone")) {
    t.encode = ReadCtcss(in, kCsvRToneFreq);
  } else if (SameWord(mode, "TSQL")) {
    t.encode = t.decode = ReadCtcss(in, kCsvCToneFreq);
  } else if (SameWord(mode, "DTCS")) {
    // The same code both ways, each with its own polarity.
    const char tx = polarity(0), rx = polarity(1);
    t.encode = ReadDcs(in, kCsvDtcsCode, tx);
    if (!t.encode.empty()) t.decode = t.encode.substr(0, 4) + (rx == 'R' ? "I" : "N");
  } else if (SameWord(mode, "Cross")) {
    const std::string_view cross = Trim(in.Text(kCsvCrossMode));
    const std::size_t arrow = cross.find("->");
    const std::string_view txKind = cross.substr(0, arrow);
    const std::string_view rxKind =
        arrow == std::string_view::npos ? std::string_view() : cross.substr(arrow + 2);
    const auto known = [](std::string_view k) {
      return k.empty() || SameWord(k, "Tone") || SameWord(k, "DTCS");
    };
    if (arrow == std::string_view::npos || !known(txKind) || !known(rxKind) ||
        (txKind.empty() && rxKind.empty())) {
      in.Error(kCsvCrossMode, in.T("%1 is not a cross mode this radio can store",
                                   "%1 不是本机能存储的交叉模式", {Quoted(cross)}));
      return t;
    }
    if (SameWord(txKind, "Tone")) t.encode = ReadCtcss(in, kCsvRToneFreq);
    if (SameWord(txKind, "DTCS")) t.encode = ReadDcs(in, kCsvDtcsCode, polarity(0));
    if (SameWord(rxKind, "Tone")) t.decode = ReadCtcss(in, kCsvCToneFreq);
    if (SameWord(rxKind, "DTCS")) t.decode = ReadDcs(in, kCsvRxDtcsCode, polarity(1));
  } else {
    in.Error(kCsvTone, in.T("%1 is not a tone mode this radio can store",
                            "%1 不是本机能存储的亚音模式", {Quoted(mode)}));
  }
  return t;
}

// A field with a fixed set of words; the word's index or -1 after a problem.
int ReadWord(RowReader& in, ChannelCsvColumn c, std::string_view text,
             std::initializer_list<const char*> words) {
  int index = 0;
  std::string list;
  for (const char* w : words) {
    if (SameWord(Trim(text), w)) return index;
    list += (index++ ? in.T(", ", "、") : "") + Quoted(w);
  }
  in.Error(c, in.T("%1 is not one of %2", "%1 不是 %2 之一", {Quoted(text), list}));
  return -1;
}

int ReadSignalKind(RowReader& in) {
  const std::string_view text = Trim(in.Text(kCsvOptSignal));
  if (text.empty()) return kSignalKindNotSet;
  static const std::pair<const char*, int> kKinds[] = {{"None", kSignalNone},
                                                       {"MSK", kSignalMsk},
                                                       {"DTMF", kSignalDtmf},
                                                       {"2-Tone", kSignalTwoTone}};
  for (const auto& [word, kind] : kKinds)
    if (SameWord(text, word)) return kind;
  std::int64_t kind = 0;
  if (ParseWholeNumber(text, kind) && kind <= 7) return static_cast<int>(kind);
  in.Error(kCsvOptSignal,
           in.T("%1 is not \"None\", \"MSK\", \"DTMF\" or \"2-Tone\"",
                "%1 不是 \"None\"、\"MSK\"、\"DTMF\" 或 \"2-Tone\"", {Quoted(text)}));
  return kSignalKindNotSet;
}

std::uint8_t ReadSignalNumber(RowReader& in, ChannelCsvColumn c, int highest) {
  const std::string_view text = Trim(in.Text(c));
  if (text.empty()) return kNotSet;
  std::int64_t n = 0;
  if (ParseWholeNumber(text, n) && n <= highest) return static_cast<std::uint8_t>(n);
  in.Error(c, in.T("%1 is not a number from 0 to %2", "%1 不是 0 到 %2 之间的数",
                   {Quoted(text), std::to_string(highest)}));
  return kNotSet;
}

// Location: the channel number 1-128, or 0 after a problem.
int ReadLocation(RowReader& in, std::map<int, int>& firstLine, int line) {
  const std::string_view text = Trim(in.Given(kCsvLocation).value_or(""));
  std::int64_t n = 0;
  if (text.empty()) {
    in.Error(kCsvLocation, in.T("no channel number given", "未给出信道号"));
    return 0;
  }
  if (!ParseWholeNumber(text, n)) {
    in.Error(kCsvLocation, in.T("%1 is not a channel number", "%1 不是信道号", {Quoted(text)}));
    return 0;
  }
  if (n < 1 || n > kFrRecord) {
    in.Error(kCsvLocation,
             in.T("channel %1 is not one of 1-128", "信道 %1 不在 1-128 之内", {text}));
    return 0;
  }
  const int channel = static_cast<int>(n);
  const auto [it, first] = firstLine.emplace(channel, line);
  if (!first) {
    in.Error(kCsvLocation,
             in.T("channel %1 is given already on line %2", "信道 %1 已在第 %2 行给出",
                  {std::to_string(channel), std::to_string(it->second)}));
  }
  return channel;
}

ChannelRecordBytes RecordOf(const RadioImage& image, int channel) {
  ChannelRecordBytes r;
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>((channel - 1) * kChannelRecordSize),
              kChannelRecordSize, r.begin());
  return r;
}

void PlanRow(const CsvRecord& record, const std::array<int, kCsvColumnCount>& columnAt,
             const RadioImage& target, const BandLimits& limits, Language lang,
             const NameCharset* names, std::map<int, int>& firstLine, ImportRow& row) {
  row.line = record.line;
  RowReader in(record, columnAt, row, lang);
  row.channel = ReadLocation(in, firstLine, record.line);
  if (row.channel == 0) return;

  row.oldRecord = row.newRecord = RecordOf(target, row.channel);
  row.targetWasEmpty = IsEmptyChannelRecord(row.oldRecord.data());
  row.oldTexts = row.newTexts = DecodeChannelRecord(row.oldRecord.data(), lang);
  row.oldFields = row.newFields = ChannelRecordFields(target, row.channel - 1, limits, names);
  if (in.HasErrors()) return;

  ChannelRow texts;
  const std::int64_t rx = ReadReceiveFrequency(in);
  if (rx != 0 && !limits.Contains(rx))
    in.Error(kCsvFrequency, in.T("%1 MHz is outside the radio's band limits",
                                 "%1 MHz 超出本机的频段范围", {CsvMhzText(rx)}));
  std::int64_t tx = 0;
  if (rx != 0) {
    const std::size_t before = row.problems.size();
    tx = ReadTransmitFrequency(in, rx);
    if (row.problems.size() == before && tx != rx && !limits.Contains(tx))
      in.Error(kCsvOffset, in.T("the transmit frequency %1 MHz is outside the radio's band limits",
                                "发射频率 %1 MHz 超出本机的频段范围", {CsvMhzText(tx)}));
  }
  texts[kRxFrequency] = FrequencyText(rx);
  texts[kTxFrequency] = FrequencyText(tx);

  const Tones tones = ReadTones(in);
  texts[kDecodeTone] = tones.decode;
  texts[kEncodeTone] = tones.encode;

  const std::string_view nameText = in.Text(kCsvName);
  switch (CsvTextToName(nameText, texts[kChannelName], names)) {
    case NameTextResult::kOk:
      break;
    case NameTextResult::kCut:
      in.Warning(kCsvName,
                 in.T("%1 is longer than 8 bytes and is cut to %2", "%1 超过 8 个字节，截为 %2",
                      {Quoted(nameText), Quoted(NameToCsvText(texts[kChannelName], names))}));
      break;
    case NameTextResult::kUnshowable:
      in.Error(kCsvName, in.T("%1 has characters the radio cannot show",
                              "%1 含有本机无法显示的字符", {Quoted(nameText)}));
      break;
  }

  const int mode = ReadWord(in, kCsvMode, in.TextOrKept(kCsvMode), {"FM", "NFM"});
  texts[kBandwidth] = mode == 0 ? "Wide" : "Narrow";
  const int skip = ReadWord(in, kCsvSkip, in.Text(kCsvSkip), {"", "S"});
  texts[kScanAdd] = skip == 0 ? "Yes" : "No";
  const int power = ReadWord(in, kCsvPower, in.TextOrKept(kCsvPower), {"High", "Low"});
  texts[kPower] = power == 0 ? "High" : "Low";
  static const char* const kBusy[] = {"Off", "Carrier", "QT/DQT"};
  const int busy =
      ReadWord(in, kCsvBusyLock, in.TextOrKept(kCsvBusyLock), {kBusy[0], kBusy[1], kBusy[2]});
  texts[kBusyLock] = kBusy[busy < 0 ? 0 : busy];

  const int kind = ReadSignalKind(in);
  const std::uint8_t encode = ReadSignalNumber(in, kCsvOptEncode, kHighestEncodeNumber);
  const std::uint8_t decode = ReadSignalNumber(in, kCsvOptDecode, kHighestDecodeNumber);

  if (in.HasErrors()) return;
  row.skipped = false;
  // Only what the row changes is written: a row exported from this very
  // record changes no byte (its shift bits included).
  StoreChangedChannelFields(texts, row.newRecord.data());
  SetOptionalSignalKind(row.newRecord.data(), kind);
  SetOptionalSignalEncode(row.newRecord.data(), encode);
  SetOptionalSignalDecode(row.newRecord.data(), decode);
  row.newTexts = DecodeChannelRecord(row.newRecord.data(), lang);
  row.newFields = ChannelRecordFields(row.newRecord.data(), row.channel - 1,
                                      row.oldFields[kCsvTStep], limits, names);
}

}  // namespace

std::string ImportProblem::Text(Language lang) const {
  std::string out = line > 0 ? FillIn(Tr(lang, "line %1", "第 %1 行"), {std::to_string(line)}) : "";
  if (!column.empty()) out += (out.empty() ? "" : Tr(lang, ", ", "，")) + column;
  return out.empty() ? message : out + Tr(lang, ": ", "：") + message;
}

int ChannelImportPlan::SkippedRows() const {
  return static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const ImportRow& r) { return r.skipped; }));
}

int ChannelImportPlan::ChangedChannels() const {
  return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                        [](const ImportRow& r) { return r.ChangesChannel(); }));
}

bool ChannelImportPlan::Readable() const {
  return std::none_of(fileProblems.begin(), fileProblems.end(),
                      [](const ImportProblem& p) { return p.severity == ImportSeverity::kError; });
}

std::vector<ImportProblem> ChannelImportPlan::AllProblems() const {
  std::vector<ImportProblem> all = fileProblems;
  for (const ImportRow& r : rows) all.insert(all.end(), r.problems.begin(), r.problems.end());
  return all;
}

ChannelImportPlan PlanChannelImport(std::string_view csv, const RadioImage& target,
                                    const BandLimits& limits, Language lang,
                                    const NameCharset* names) {
  ChannelImportPlan plan;
  if (csv.substr(0, 2) == "\xFF\xFE" || csv.substr(0, 2) == "\xFE\xFF") {
    plan.fileProblems.push_back(
        {0, "", ImportSeverity::kError,
         Tr(lang, "the file is UTF-16; save it as UTF-8", "文件是 UTF-16 编码；请另存为 UTF-8")});
    return plan;
  }
  if (csv.size() > kLargestChannelCsv) {
    plan.fileProblems.push_back(
        {0, "", ImportSeverity::kError,
         Tr(lang, "the file is too large for a channel list", "文件太大，不是信道列表")});
    return plan;
  }
  std::vector<CsvRecord> records;
  CsvError error;
  if (!ReadCsv(csv, records, error, lang)) {
    plan.fileProblems.push_back({error.line, "", ImportSeverity::kError, error.message});
    return plan;
  }
  if (records.empty()) {
    plan.fileProblems.push_back(
        {1, "", ImportSeverity::kError, Tr(lang, "the file has no header line", "文件没有标题行")});
    return plan;
  }
  // Columns by header name; the first of two equal names counts, and the
  // second is worth a warning: the file may not mean what it seems to.
  std::array<int, kCsvColumnCount> columnAt;
  columnAt.fill(-1);
  const CsvRecord& header = records.front();
  for (std::size_t k = 0; k < header.fields.size(); ++k) {
    const std::string_view name = Trim(header.fields[k]);
    for (int c = 0; c < kCsvColumnCount; ++c)
      if (columnAt[c] < 0 && name == ChannelCsvHeader()[c]) columnAt[c] = static_cast<int>(k);
    const bool repeated = std::any_of(header.fields.begin(), header.fields.begin() + k,
                                      [&](const std::string& f) { return Trim(f) == name; });
    const bool firstRepeat =
        std::none_of(plan.fileProblems.begin(), plan.fileProblems.end(),
                     [&](const ImportProblem& p) { return p.column == FieldForMessage(name); });
    if (!name.empty() && repeated && firstRepeat)
      plan.fileProblems.push_back(
          {header.line, FieldForMessage(name), ImportSeverity::kWarning,
           Tr(lang, "the header names this column twice; the first one is read",
              "标题行两次给出此列；读取第一个")});
  }
  if (columnAt[kCsvLocation] < 0) {
    plan.fileProblems.push_back(
        {header.line, "", ImportSeverity::kError,
         Tr(lang, "the header line has no Location column", "标题行没有 Location 列")});
    return plan;
  }
  if (records.size() - 1 > kMostChannelCsvRows) {
    plan.fileProblems.push_back(
        {records[kMostChannelCsvRows + 1].line, "", ImportSeverity::kError,
         FillIn(Tr(lang, "the file has more than %1 rows; the radio has 128 channels",
                   "文件超过 %1 行；本机只有 128 个信道"),
                {std::to_string(kMostChannelCsvRows)})});
    return plan;
  }
  std::map<int, int> firstLine;
  plan.rows.resize(records.size() - 1);
  for (std::size_t k = 1; k < records.size(); ++k)
    PlanRow(records[k], columnAt, target, limits, lang, names, firstLine, plan.rows[k - 1]);
  return plan;
}

void ApplyChannelImport(const ChannelImportPlan& plan, RadioImage& image) {
  for (const ImportRow& row : plan.rows) {
    if (row.skipped || row.channel < 1 || row.channel > kFrRecord) continue;
    std::copy(row.newRecord.begin(), row.newRecord.end(),
              image.begin() + static_cast<std::ptrdiff_t>((row.channel - 1) * kChannelRecordSize));
  }
}

}  // namespace radio
