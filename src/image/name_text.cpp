#include "image/name_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace radio {

QString NameBytesToText(const std::string& bytes, Language lang) {
  const QByteArray raw = QByteArray::fromStdString(bytes);
  if (lang == Language::Chinese) {
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) return gbk.decode(raw);
  }
  return QString::fromLatin1(raw);
}

std::string TextToNameBytes(const QString& text, Language lang) {
  if (lang == Language::Chinese) {
    QStringEncoder gbk("GBK");
    if (gbk.isValid()) return QByteArray(gbk.encode(text)).toStdString();
  }
  return text.toLatin1().toStdString();
}

NameDecoder GridNameDecoder(Language lang) {
  return [lang](std::string_view bytes) {
    return NameBytesToText(std::string(bytes), lang).toStdString();
  };
}

}  // namespace radio
