// The printed pages of every section, in the order they print. Kept as one
// file (a little over 400 lines): each section is a short run of label and
// value lines on the same layout, and reading them in print order is how
// the printout is checked against the dialogs.
#include "print/page_model.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>

#include "features/dtmf_fields.h"
#include "features/msk_fields.h"
#include "features/optional_features_fields.h"
#include "features/two_tone_fields.h"
#include "image/bytes.h"
#include "interchange/channel_name_text.h"

namespace radio::print {

namespace {

constexpr std::array<int, kSectionCount> kFixedPageCounts = {1, 1, 1, 2, 0};

// Builds one page's items in column units (x) and detail lines (y).
class PageWriter {
 public:
  PageWriter(const PageMetrics& m, Language lang) : m_(m), lang_(lang) {}

  const char* T(const char* english, const char* chinese) const {
    return Tr(lang_, english, chinese);
  }
  Language lang() const { return lang_; }
  int Col(int columns) const { return columns * m_.ColumnUnit(); }
  int Line(int n) const { return -n * m_.detailLine; }
  int l() const { return m_.detailLine; }

  void Text(int x, int y, std::string text, FontKind font = FontKind::Detail) {
    PageItem item;
    item.kind = PageItem::Kind::Text;
    item.x = x;
    item.y = y;
    item.font = font;
    item.text = std::move(text);
    items_.push_back(std::move(item));
  }
  // Text at `columns` on detail line `n`.
  void At(int columns, int n, std::string text) { Text(Col(columns), Line(n), std::move(text)); }
  void Rule(int x1, int y1, int x2, int y2) {
    PageItem item;
    item.kind = PageItem::Kind::Line;
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    items_.push_back(std::move(item));
  }
  void Title(std::string text) { Text(Col(6), -m_.pageLine, std::move(text), FontKind::Page); }

  Page Take() { return std::move(items_); }

 private:
  const PageMetrics& m_;
  Language lang_;
  Page items_;
};

// A text field of the image: single bytes, readable on paper even when
// the radio holds something other than ASCII there.
std::string FieldText(const std::string& bytes) {
  return NameToCsvText(bytes);
}

std::string Decimal(int value) {
  return std::to_string(value);
}

std::string OnOff(bool on, const PageWriter& w) {
  return on ? w.T("On", "开") : w.T("Off", "关");
}

// ---- Channel Information ---------------------------------------------

void ChannelBlock(PageWriter& w, int k, int row, const PrintSource& s) {
  const ChannelRow& cells = s.channels[static_cast<std::size_t>(row - 1)];
  const int top = 4 + 8 * k;
  const std::string number = row == kLastChannelRow ? "FR" : Decimal(row);
  w.At(4, top, w.T("Channel ", "信道 ") + number + ":");
  struct Left {
    const char* en;
    const char* zh;
    ChannelField field;
  };
  static constexpr Left kLeft[] = {
      {"Receive Frequency:", "接收频率:", kRxFrequency},
      {"Transceive Frequency:", "发射频率:", kTxFrequency},
      {"QT/DQT Decode:", "QT/DQT 解码:", kDecodeTone},
      {"QT/DQT Encode:", "QT/DQT 编码:", kEncodeTone},
      {"Channel Name:", "信道名称:", kChannelName},
      {"Transmit Power:", "发射功率:", kPower},
  };
  for (int i = 0; i < 6; ++i) {
    w.At(5, top + 1 + i, w.T(kLeft[i].en, kLeft[i].zh));
    const std::string& cell = cells[kLeft[i].field];
    if (kLeft[i].field != kChannelName)
      w.At(24, top + 1 + i, cell);
    else
      w.At(24, top + 1 + i, s.names ? s.names(cell) : FieldText(cell));
  }
  const std::uint8_t* record = s.image.data() + static_cast<std::size_t>(row - 1) * kChannelRecordSize;
  w.At(40, top + 1, w.T("Wide/Narrow:", "宽/窄带:"));
  w.At(55, top + 1, cells[kBandwidth]);
  w.At(40, top + 2, w.T("Scan Add:", "扫描添加:"));
  w.At(55, top + 2, cells[kScanAdd]);
  // The record has no PTT ID of its own, so the label stands alone.
  w.At(40, top + 3, "PTT ID:");
  w.At(40, top + 4, w.T("Busy Lock:", "繁忙锁定:"));
  w.At(55, top + 4, cells[kBusyLock]);
  w.At(40, top + 5, w.T("Optional Singal:", "可选信令:"));
  w.At(55, top + 5, OptionalSignalText(record, s.lang));
}

void ChannelPage(PageWriter& w, const PrintPlan& plan, int channelPage, const PrintSource& s) {
  w.Title(w.T("Channel Infomation", "信道信息"));
  const int first = plan.channelPageEnds[static_cast<std::size_t>(channelPage - 1)] + 1;
  const int last = plan.channelPageEnds[static_cast<std::size_t>(channelPage)];
  int k = 0;
  for (int row = first; row <= last && k < kChannelsPerPage; ++row) {
    if (s.channels[static_cast<std::size_t>(row - 1)][kRxFrequency].empty()) continue;
    ChannelBlock(w, k++, row, s);
  }
}

// ---- MSK -------------------------------------------------------------

void MskPage(PageWriter& w, const PrintSource& s) {
  const MskSettings msk = LoadMskSettings(s.image);
  w.Title("MSK");
  w.At(6, 4, w.T("ID Code:", "本机 ID:"));
  w.At(15, 4, FieldText(msk.idCode));
  w.At(6, 6, w.T("CallList", "呼叫列表"));
  w.At(9, 7, w.T("Num", "序号"));
  w.At(16, 7, w.T("CallList", "呼叫列表"));
  const int l = w.l();
  w.Rule(w.Col(8), 25 - 8 * l, w.Col(25), 25 - 8 * l);
  w.Rule(w.Col(14), 25 - 7 * l, w.Col(14), -17 * l - 50);
  for (int t = 1; t <= kMskCallListSize; ++t) {
    const int y = -(t + 7) * l - 25;
    w.Text(w.Col(10), y, Decimal(t));
    w.Text(w.Col(17), y, FieldText(msk.callList[static_cast<std::size_t>(t - 1)]));
  }
}

// ---- DTMF ------------------------------------------------------------

void DtmfPage(PageWriter& w, const PrintSource& s) {
  const DtmfEncodeFields enc = LoadDtmfEncode(s.image);
  const DtmfDecodeFields dec = LoadDtmfDecode(s.image);
  const DtmfCallList calls = LoadDtmfCallList(s.image);
  w.Title("DTMF");
  auto row = [&](int line, const char* en, const char* zh, std::string value) {
    w.At(9, line, w.T(en, zh));
    w.At(40, line, std::move(value));
  };
  w.At(6, 4, w.T("Encode", "编码"));
  row(5, "DTMF Speed:", "DTMF 速率:", Decimal(enc.speed));
  row(6, "First Digit Delay Time(ms):", "首位延迟时间(ms):", Decimal(enc.firstDigitDelayMs));
  row(7, "First Digit Time(ms):", "首位持续时间(ms):", Decimal(enc.firstDigitTimeMs));
  row(8, "* and # Digit Time(ms):", "* 和 # 持续时间(ms):", Decimal(enc.starHashDigitTimeMs));
  row(9, "Side Tone:", "侧音:", enc.sideTone ? "√" : "×");
  w.At(6, 11, w.T("Decode", "解码"));
  row(12, "ID Code:", "本机 ID:", FieldText(dec.idCode));
  const std::string group = GroupCodeText(dec.groupCode, s.lang);
  row(13, "Group Code:", "组呼码:", dec.groupCode == kGroupCodeOff ? group : FieldText(group));
  row(14, "Stun Activation:", "遥毙功能:", OnOff(dec.stunActivation, w));
  row(15, "Stun Code:", "遥毙码:", FieldText(dec.stunCode));
  row(16, "Stun Code Response:", "遥毙方式:",
      s.lang == Language::Chinese ? StunTypeText(dec.txInhibit, s.lang)
                                  : (dec.txInhibit ? "Tx inbibit" : "Transceiver inhibit"));
  w.At(6, 18, w.T("CallList", "呼叫列表"));
  w.At(9, 19, w.T("Num", "序号"));
  w.At(21, 19, w.T("FastCallList", "快速呼叫列表"));
  const int l = w.l();
  w.Rule(w.Col(8), 25 - 20 * l, w.Col(40), 25 - 20 * l);
  w.Rule(w.Col(15), 50 - 19 * l, w.Col(15), -29 * l);
  for (int n = 0; n < static_cast<int>(kDtmfCallCount); ++n) {
    const int y = -(n + 20) * l - 50;
    w.Text(w.Col(10), y, Decimal(n + 1));
    w.Text(w.Col(18), y, FieldText(calls[static_cast<std::size_t>(n)]));
  }
}

// ---- 2-Tone ----------------------------------------------------------

void TwoToneDecodePage(PageWriter& w, const PrintSource& s) {
  w.Title(w.T("2-Tone Decode", "2-Tone 解码"));
  for (int c = 0; c < kTwoToneDecodeSlots; ++c) {
    const TwoToneDecodeSlot slot = LoadTwoToneDecodeSlot(s.image, c);
    const int labelX = 3 + 32 * (c % 2);
    const int valueX = 26 + 32 * (c % 2);
    const int band = 4 + 9 * (c / 2);
    w.At(labelX, band, "2-Tone " + Decimal(c + 1) + ":");
    const std::pair<std::pair<const char*, const char*>, std::string> lines[] = {
        {{"A Tone (Hz):", "A 音频率 (Hz):"}, FormatTone(slot.aTone)},
        {{"B Tone (Hz):", "B 音频率 (Hz):"}, FormatTone(slot.bTone)},
        {{"The first delay time (s):", "第一音延时 (s):"}, FormatSeconds(slot.firstDelay)},
        {{"The second delay time (s):", "第二音延时 (s):"}, FormatSeconds(slot.secondDelay)},
        {{"Long tone delay time (s):", "长音延时 (s):"}, FormatSeconds(slot.longDelay)},
        {{"Interval time (s):", "间隔时间 (s):"}, FormatSeconds(slot.interval)},
    };
    for (int i = 0; i < 6; ++i) {
      w.At(labelX, band + 1 + i, w.T(lines[i].first.first, lines[i].first.second));
      w.At(valueX, band + 1 + i, lines[i].second);
    }
  }
}

void TwoToneEncodePage(PageWriter& w, const PrintSource& s) {
  const TwoToneEncodeFields enc = LoadTwoToneEncode(s.image);
  w.Title(w.T("2-Tone Encode", "2-Tone 编码"));
  const std::pair<std::pair<const char*, const char*>, std::string> lines[] = {
      {{"The first delay time(s):", "第一音延时(s):"}, FormatSeconds(enc.firstDelay)},
      {{"The second delay time(s):", "第二音延时(s):"}, FormatSeconds(enc.secondDelay)},
      {{"Long tone delay time(s):", "长音延时(s):"}, FormatSeconds(enc.longDelay)},
      {{"Tone interval time(s):", "音间隔时间(s):"}, FormatSeconds(enc.interval)},
      {{"Txrise delay time(s):", "发射上升延时(s):"}, FormatTxRise(enc.txRise)},
      // The page names the short beep but prints no value for it.
      {{"Short beep tone:", "短提示音:"}, std::string()},
  };
  for (int i = 0; i < 6; ++i) {
    w.At(6, 4 + i, w.T(lines[i].first.first, lines[i].first.second));
    w.At(30, 4 + i, lines[i].second);
  }
  for (int half = 0; half < 2; ++half) {
    const int x = 28 * half;
    w.At(6 + x, 12, w.T("Num", "序号"));
    w.At(12 + x, 12, w.T("Tone Fre1", "音频 1"));
    w.At(22 + x, 12, w.T("Tone Fre2", "音频 2"));
  }
  // An empty code prints blank, as the dialog shows it.
  auto tone = [](const std::optional<int>& t) { return t ? FormatTone(*t) : std::string(); };
  for (int r = 0; r < 16; ++r) {
    const int y = -(r + 13) * w.l() - 25;
    for (int half = 0; half < 2; ++half) {
      const int code = r + 16 * half;
      const int x = 28 * half;
      const auto& pair = enc.tones[static_cast<std::size_t>(code)];
      w.Text(w.Col(7 + x), y, Decimal(code + 1));
      w.Text(w.Col(13 + x), y, tone(pair[0]));
      w.Text(w.Col(23 + x), y, tone(pair[1]));
    }
  }
}

// ---- Optional --------------------------------------------------------

// The page's own value words, indexed by the dialog's value.
std::string Word(const PageWriter& w, int index,
                 std::initializer_list<std::pair<const char*, const char*>> words) {
  const auto* it = words.begin() + std::clamp(index, 0, static_cast<int>(words.size()) - 1);
  return w.T(it->first, it->second);
}

std::string StepText(int code) {
  static constexpr const char* kSteps[] = {"5k", "6.25k", "10k", "12.5k", "25k"};
  return kSteps[std::min(code, 4)];
}

void OptionalPage(PageWriter& w, const PrintSource& s) {
  const RadioImage& im = s.image;
  // Lines that print a field of the Optional Features dialog take it from
  // that dialog's codec, after its fall-backs, so paper and dialog agree;
  // the rest follow the page's own field table.
  const OptionalFeatures f = LoadOptionalFeatures(im);
  w.Title(w.T("Optional", "可选功能"));
  auto row = [&](int line, const char* en, const char* zh, std::string value) {
    w.At(9, line, w.T(en, zh));
    w.At(30, line, std::move(value));
  };
  w.At(6, 4, w.T("Function", "功能"));
  row(5, "Back Light:", "背光:",
      Word(w, f.backLight, {{"Off", "关"}, {"Auto", "自动"}, {"On", "开"}}));
  row(6, "Back Light Color:", "背光颜色:",
      Word(w, f.backLightColor, {{"Purple", "紫色"}, {"Orangle", "橙色"}, {"Blue", "蓝色"}}));
  row(7, "Display mode:", "显示模式:", Decimal(f.displayMode + 1));
  row(8, "Key lock:", "键盘锁:", f.keyLock == 1 ? w.T("Manual", "手动") : w.T("Auto", "自动"));
  row(9, "Priority channel:", "优先信道:", Decimal(im[0x12A9]));
  row(10, "Scan mode:", "扫描模式:",
      Word(w, f.scanMode, {{"To", "时间"}, {"Co", "载波"}, {"Se", "搜索"}}));
  row(11, "Squelch level:", "静噪等级:", Decimal(GetBits(im[0x1261], 0, 4)));
  row(12, "Step:", "步进:", StepText(GetBits(im[0x1263], 0, 3)));
  const int tot = GetBits(im[0x1260], 0, 4);
  row(13, "Time-out Timer:", "发射限时:", tot == 0 ? w.T("Off", "关") : Decimal(tot * 30));
  const int vox = GetBits(im[0x1262], 0, 4);
  row(14, "Vox Gain Level:", "声控等级:", vox == 0 ? w.T("Off", "关") : Decimal(vox));
  const bool voice = GetBit(im[0x1264], 2);
  const bool chinese = GetBit(im[0x12A8], 1);
  std::string voiceText;  // bit 1 alone names no voice: the value stays blank
  if (!voice && !chinese) voiceText = w.T("Off", "关");
  if (voice) voiceText = chinese ? w.T("Chinese", "中文") : w.T("English", "英文");
  row(15, "Voice annunciation:", "语音提示:", voiceText);
  row(16, "Frequency Mode:", "频率模式:", OnOff(GetBit(im[0x12A8], 3), w));
  row(17, "MSK Type:", "MSK 类型:", f.mskType == 0 ? "MSK-I" : "MSK-II");
  row(18, "Battery saver:", "省电:", OnOff(f.batterySaver == 0, w));
  row(19, "Beep tone:", "提示音:", Word(w, f.beep, {{"On", "开"}, {"Off", "关"}}));
  row(20, "Scrambler:", "加扰:", OnOff(GetBit(im[0x1264], 4), w));
  row(21, "Keypad Lock:", "键盘锁定:", OnOff(f.keypadLock, w));
  w.At(6, 23, "PTT ID");
  row(24, "Display PTT ID:", "显示 PTT ID:", OnOff(GetBit(im[0x1264], 7), w));
  row(25, "PTT ID type:", "PTT ID 类型:", GetBit(im[0x12A8], 2) ? "DTMF" : "MSK");
  row(26, "Beginning of Trasmit:", "发射开始码:",
      FieldText(ReadTextField(std::span(im).subspan(0x1278, 16))));
  row(27, "End of transmit:", "发射结束码:",
      FieldText(ReadTextField(std::span(im).subspan(0x1290, 16))));
}

void FrameAndFooter(PageWriter& w, const PageMetrics& m, int page, int total,
                    const std::string& owner) {
  const int L = m.pageLine;
  for (int y : {-(2 * L + 50), -(2 * L + 120), L / 2 - 36 * L}) w.Rule(w.Col(5), y, w.Col(60), y);
  w.Text(w.Col(10), -36 * L, owner, FontKind::Page);
  w.Text(w.Col(45), -36 * L,
         FillIn(Tr(w.lang(), "Page %1 of %2", "第 %1 页，共 %2 页"),
                {std::to_string(page), std::to_string(total)}),
         FontKind::Page);
}

}  // namespace

int UsedChannelRows(const ChannelTable& channels) {
  return static_cast<int>(std::count_if(channels.begin(), channels.end(), [](const ChannelRow& r) {
    return !r[kRxFrequency].empty();
  }));
}

PrintPlan PlanPrint(const SectionChoice& selected, const ChannelTable& channels) {
  PrintPlan plan;
  plan.selected = selected;
  plan.pageCounts = kFixedPageCounts;
  // Page ends: the row of every fifth used channel, and row 129 for the
  // last page, so a short last page still covers the rest of the grid.
  plan.channelPageEnds.push_back(0);
  int used = 0;
  for (int row = 1; row <= kLastChannelRow; ++row) {
    if (channels[static_cast<std::size_t>(row - 1)][kRxFrequency].empty()) continue;
    if (++used % kChannelsPerPage == 0) plan.channelPageEnds.push_back(row);
  }
  plan.channelPages = (used + kChannelsPerPage - 1) / kChannelsPerPage;
  plan.channelPageEnds.resize(static_cast<std::size_t>(plan.channelPages) + 1);
  if (plan.channelPages > 0) plan.channelPageEnds.back() = kLastChannelRow;
  plan.pageCounts[static_cast<int>(Section::Channels)] = plan.channelPages;

  for (int i = 0; i < kSectionCount; ++i)
    if (selected[static_cast<std::size_t>(i)]) plan.totalPages += plan.pageCounts[static_cast<std::size_t>(i)];
  plan.pagesBeforeChannels = plan.totalPages - (selected[4] ? plan.channelPages : 0);
  return plan;
}

int FullSequencePage(const PrintPlan& plan, int page) {
  if (page < 1 || page > plan.totalPages) return 0;
  int selectedPages = 0;
  int skipped = 0;
  for (int i = 0; i < kSectionCount && selectedPages < page; ++i) {
    const int count = plan.pageCounts[static_cast<std::size_t>(i)];
    if (plan.selected[static_cast<std::size_t>(i)])
      selectedPages += count;
    else
      skipped += count;
  }
  return page + skipped;
}

Page BuildPage(const PrintPlan& plan, int page, const PrintSource& source,
               const PageMetrics& metrics) {
  const int v = FullSequencePage(plan, page);
  if (v == 0) return {};
  PageWriter w(metrics, source.lang);
  FrameAndFooter(w, metrics, page, plan.totalPages, source.owner);
  switch (v) {
    case 1:
      DtmfPage(w, source);
      break;
    case 2:
      MskPage(w, source);
      break;
    case 3:
      OptionalPage(w, source);
      break;
    case 4:
      TwoToneDecodePage(w, source);
      break;
    case 5:
      TwoToneEncodePage(w, source);
      break;
    default:
      ChannelPage(w, plan, page - plan.pagesBeforeChannels, source);
      break;
  }
  return w.Take();
}

std::vector<Page> BuildDocument(const PrintPlan& plan, const PrintSource& source,
                                const PageMetrics& metrics) {
  std::vector<Page> pages;
  pages.reserve(static_cast<std::size_t>(plan.totalPages));
  for (int p = 1; p <= plan.totalPages; ++p) pages.push_back(BuildPage(plan, p, source, metrics));
  return pages;
}

std::vector<const PageItem*> TextsInReadingOrder(const Page& page) {
  std::vector<const PageItem*> texts;
  for (const PageItem& item : page)
    if (item.kind == PageItem::Kind::Text) texts.push_back(&item);
  std::stable_sort(texts.begin(), texts.end(), [](const PageItem* a, const PageItem* b) {
    return a->y != b->y ? a->y > b->y : a->x < b->x;
  });
  return texts;
}

}  // namespace radio::print
