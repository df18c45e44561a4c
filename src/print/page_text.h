// Text forms of a print job: the section list of the command line, and the
// pages as plain text (every text item as drawn, one per line, in reading
// order; a line holding only a form feed between pages), for diff.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/page_model.h"

namespace radio::print {

// "dtmf,msk,optional,2tone,channels" in any order and any subset; nothing
// for an empty list, an unknown name or an empty item.
std::optional<SectionChoice> ParseSectionList(std::string_view list);

// An A4 sheet's printable area with Times-like metrics, for output that
// has no device of its own: the order of the texts does not depend on it.
PageMetrics NominalMetrics();

std::string PagesAsText(const std::vector<Page>& pages);

}  // namespace radio::print
