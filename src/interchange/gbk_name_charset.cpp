#include "interchange/gbk_name_charset.h"

#include <QString>
#include <QStringDecoder>

#include "image/name_text.h"

namespace radio {
namespace {

bool GbkToText(std::string_view bytes, std::string& utf8) {
  if (!HaveGbk()) return false;
  const std::string raw(bytes);
  const QString text = NameBytesToText(raw, Language::Chinese);
  if (text.contains(QChar::ReplacementCharacter) || TextToNameBytes(text, Language::Chinese) != raw)
    return false;
  utf8 = text.toStdString();
  return true;
}

bool TextToGbk(std::string_view utf8, std::string& bytes) {
  if (!HaveGbk()) return false;
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text =
      decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
  if (decoder.hasError() || text.contains(QChar::ReplacementCharacter)) return false;
  bytes = TextToNameBytes(text, Language::Chinese);
  return NameBytesToText(bytes, Language::Chinese) == text;
}

}  // namespace

const NameCharset& GbkNameCharset() {
  static const NameCharset charset{GbkToText, TextToGbk};
  return charset;
}

}  // namespace radio
