// The user-interface language, fixed for a run. Codecs that produce texts
// take it as a parameter; reading texts back accepts either language.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace radio {

enum class Language { English, Chinese };

// Picks the text of the running language from a literal pair.
inline const char* Tr(Language lang, const char* english, const char* chinese) {
  return lang == Language::Chinese ? chinese : english;
}

// `text` with "%1" … "%9" replaced by the arguments, as the translated
// texts of both languages place them.
inline std::string FillIn(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
    if (text[i] == '%' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace radio
