// --json output of the inspecting commands: one JSON document on standard
// output, UTF-8, for scripts and other tools.
#pragma once

#include <QJsonObject>
#include <string>
#include <string_view>

#include "image/name_decoder.h"

namespace radio::cli {

// Writes `document` and a line end to standard output.
void PrintJson(const QJsonObject& document);

// Sets `key` to the name as the grid shows it and `key` + "Hex" to its
// stored bytes ("D6D0" for a two-byte GBK name), so a script sees both.
void SetName(QJsonObject& object, const QString& key, std::string_view bytes,
             const NameDecoder& decode);

QString Utf8(const std::string& text);

}  // namespace radio::cli
