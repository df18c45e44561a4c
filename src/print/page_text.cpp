#include "print/page_text.h"

namespace radio::print {

std::optional<SectionChoice> ParseSectionList(std::string_view list) {
  static constexpr std::string_view kNames[kSectionCount] = {"dtmf", "msk", "optional", "2tone",
                                                             "channels"};
  SectionChoice choice{};
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    bool known = false;
    for (int i = 0; i < kSectionCount; ++i) {
      if (name == kNames[i]) {
        choice[static_cast<std::size_t>(i)] = true;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    if (comma == std::string_view::npos) return choice;
    list.remove_prefix(comma + 1);
  }
}

PageMetrics NominalMetrics() {
  // 7.6 x 11 inches printable; line heights as Times New Roman gives them.
  PageMetrics m;
  m.widthTwips = 10944;
  m.heightTwips = 15840;
  m.pageLine = m.RowUnit() * 115 / 100;
  m.detailLine = m.pageLine * 8 / 10;
  return m;
}

std::string PagesAsText(const std::vector<Page>& pages) {
  std::string out;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) out += "\f\n";
    for (const PageItem* item : TextsInReadingOrder(pages[p])) {
      out += item->text;
      out += '\n';
    }
  }
  return out;
}

}  // namespace radio::print
