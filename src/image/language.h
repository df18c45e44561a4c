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

// The text of the pair with "%1" ... "%9" replaced by `args` in order, so a
// sentence can put its values where its own language wants them.
inline std::string Tr(Language lang, const char* english, const char* chinese,
                      std::initializer_list<std::string_view> args) {
  const std::string_view pattern = Tr(lang, english, chinese);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace radio
