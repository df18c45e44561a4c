#include "cli/json_output.h"

#include <QByteArray>
#include <QJsonDocument>
#include <cstdio>

namespace radio::cli {

void PrintJson(const QJsonObject& document) {
  const QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Indented);
  std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
}

void SetName(QJsonObject& object, const QString& key, std::string_view bytes,
             const NameDecoder& decode) {
  object[key] = QString::fromStdString(decode(bytes));
  object[key + "Hex"] = QString::fromLatin1(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex().toUpper());
}

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace radio::cli
