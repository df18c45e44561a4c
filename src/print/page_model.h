// The printed record of a radio: which sections print, how many pages
// each takes, and every text and rule of every page, in twips. Renderers
// (printer, preview, PDF, plain text) only draw these items.
//
// Coordinates follow the page's own convention: x to the right, y upwards
// from the top edge of the printable area, so lines further down the page
// have more negative y. A text item's point is the top-left of its cell.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "image/channel_codec.h"
#include "image/language.h"
#include "image/name_decoder.h"
#include "image/radio_image.h"

namespace radio::print {

// The sections in their fixed printing order.
enum class Section { Dtmf, Msk, Optional, TwoTone, Channels };
constexpr int kSectionCount = 5;
using SectionChoice = std::array<bool, kSectionCount>;

// The print selection's opening state: Optional and Channel Information.
constexpr SectionChoice kDefaultSections = {false, false, true, false, true};

constexpr int kChannelsPerPage = 5;
// Grid rows 1-129; row 129 is the FR record.
constexpr int kLastChannelRow = kChannelRecords;

// Which pages print. `channelPageEnds[k]` is the last grid row covered by
// channel page k (1-based); entry 0 is row 0. Sized for every page.
struct PrintPlan {
  SectionChoice selected{};
  std::array<int, kSectionCount> pageCounts{};
  int channelPages = 0;
  std::vector<int> channelPageEnds;
  int pagesBeforeChannels = 0;
  int totalPages = 0;
};

// A grid row counts as used when its receive-frequency text is not empty.
int UsedChannelRows(const ChannelTable& channels);
PrintPlan PlanPrint(const SectionChoice& selected, const ChannelTable& channels);

// Position of printed page P (from 1) in the full sequence of all
// sections: 1 DTMF, 2 MSK, 3 Optional, 4 2-Tone Decode, 5 2-Tone Encode,
// 6 and above the channel pages. 0 when P is not a printed page.
int FullSequencePage(const PrintPlan& plan, int page);

// Printable area and the two fonts' line heights (height plus external
// leading), all in twips. The caller measures the fonts: the page font is
// one row unit high and one column unit wide on average, the detail font
// 0.8 of that.
struct PageMetrics {
  int widthTwips = 0;
  int heightTwips = 0;
  int pageLine = 0;    // L
  int detailLine = 0;  // l

  int RowUnit() const { return heightTwips / 45; }
  int ColumnUnit() const { return widthTwips / 66; }
};

enum class FontKind { Page, Detail };

struct PageItem {
  enum class Kind { Text, Line };
  Kind kind = Kind::Text;
  int x = 0;
  int y = 0;
  int x2 = 0;  // lines only
  int y2 = 0;
  FontKind font = FontKind::Page;
  std::string text;  // UTF-8
};
using Page = std::vector<PageItem>;

// What the pages print from: the image for the feature sections, the
// grid's cell texts for the channel section, the owner line of the footer.
// Channel names are the radio's bytes; `names` reads them as the grid does
// (without it, printable ASCII as it is and other bytes as "\xHH").
struct PrintSource {
  const RadioImage& image;
  const ChannelTable& channels;
  Language lang = Language::English;
  std::string owner;  // Copyrights Owner
  NameDecoder names;
};

Page BuildPage(const PrintPlan& plan, int page, const PrintSource& source,
               const PageMetrics& metrics);
std::vector<Page> BuildDocument(const PrintPlan& plan, const PrintSource& source,
                                const PageMetrics& metrics);

// The page's text items in reading order: top to bottom, then left to right.
std::vector<const PageItem*> TextsInReadingOrder(const Page& page);

}  // namespace radio::print
