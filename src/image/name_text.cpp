#include "image/name_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef _WIN32
#include "image/win32_text.h"
#endif

namespace radio {
namespace {

#ifdef _WIN32
// Qt reads GBK through ICU, which Qt on Windows is built without; Windows
// has GBK as its code page 936.
QString DecodeGbk(const QByteArray& raw) {
  return QString::fromStdWString(
      WideOf(std::string_view(raw.constData(), raw.size()), kGbkCodePage));
}

QByteArray EncodeGbk(const QString& text) {
  return QByteArray::fromStdString(NarrowOf(text.toStdWString(), kGbkCodePage));
}
#endif

}  // namespace

bool HaveGbk() {
#ifdef _WIN32
  return true;
#else
  static const bool have = QStringDecoder("GBK").isValid();
  return have;
#endif
}

QString NameBytesToText(const std::string& bytes, Language lang) {
  const QByteArray raw = QByteArray::fromStdString(bytes);
  if (lang == Language::Chinese) {
#ifdef _WIN32
    return DecodeGbk(raw);
#else
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) return gbk.decode(raw);
#endif
  }
  return QString::fromLatin1(raw);
}

std::string TextToNameBytes(const QString& text, Language lang) {
  if (lang == Language::Chinese) {
#ifdef _WIN32
    return EncodeGbk(text).toStdString();
#else
    QStringEncoder gbk("GBK");
    if (gbk.isValid()) return QByteArray(gbk.encode(text)).toStdString();
#endif
  }
  return text.toLatin1().toStdString();
}

NameDecoder GridNameDecoder(Language lang) {
  return [lang](std::string_view bytes) {
    return NameBytesToText(std::string(bytes), lang).toStdString();
  };
}

}  // namespace radio
