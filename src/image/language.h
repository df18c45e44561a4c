// The user-interface language, fixed for a run. Codecs that produce texts
// take it as a parameter; reading texts back accepts either language.
#pragma once

namespace radio {

enum class Language { English, Chinese };

// Picks the text of the running language from a literal pair.
inline const char* Tr(Language lang, const char* english, const char* chinese) {
  return lang == Language::Chinese ? chinese : english;
}

}  // namespace radio
