// Channel names are kept as the radio stores them: single-byte text, GBK
// when the user interface is Chinese, Latin-1 otherwise. These convert
// between those bytes and the text the grid shows and the editor types.
// Everything else that shows a name (print, preview, PDF, compare, the CLI)
// decodes it through the same NameBytesToText, so a name reads alike
// everywhere.
#pragma once

#include <QString>
#include <string>

#include "image/language.h"
#include "image/name_decoder.h"

namespace radio {

// Whether this system can convert GBK; without it Chinese names are Latin-1.
bool HaveGbk();

QString NameBytesToText(const std::string& bytes, Language lang);
std::string TextToNameBytes(const QString& text, Language lang);

// NameBytesToText as a decoder for the core (UTF-8 out).
NameDecoder GridNameDecoder(Language lang);

}  // namespace radio
