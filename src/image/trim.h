// Blanks around a field of a file or an edit: INI lines drop every C-locale
// white-space character, CSV fields only spaces and tabs.
#pragma once

#include <string_view>

namespace radio {

constexpr std::string_view kSpaceAndTab = " \t";
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// `text` without the leading and trailing characters found in `blanks`.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = kSpaceAndTab) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace radio
