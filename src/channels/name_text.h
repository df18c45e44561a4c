// Channel names are kept as the radio stores them: single-byte text, GBK
// when the user interface is Chinese, Latin-1 otherwise. These convert
// between those bytes and the text the grid shows and the editor types.
#pragma once

#include <QString>
#include <string>

#include "image/language.h"

namespace radio {

QString NameBytesToText(const std::string& bytes, Language lang);
// The same text in UTF-8, for what leaves the program (the printed pages).
inline std::string NameBytesToUtf8(const std::string& bytes, Language lang) {
  return NameBytesToText(bytes, lang).toStdString();
}
std::string TextToNameBytes(const QString& text, Language lang);

}  // namespace radio
