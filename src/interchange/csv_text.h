// Comma-separated text as spreadsheets and radio tools exchange it: fields
// separated by commas, a field in double quotes may hold commas, line breaks
// and doubled quotes, lines end in CRLF or LF, the text is UTF-8 with or
// without a byte-order mark. Reading accepts any bytes without crashing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"

namespace radio {

struct CsvRecord {
  int line = 0;  // file line where the record starts (the first line is 1)
  std::vector<std::string> fields;
};

struct CsvError {
  int line = 0;
  std::string message;
};

// Splits `text` into records; empty lines and lines of empty fields only
// are left out. False (and no records) with the line and a message when a
// quoted field is never closed or text follows a closing quote.
bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error,
             Language lang = Language::English);

// A field as problem texts show it: at most 40 characters (then "…"),
// with control bytes and bytes that are no UTF-8 text as "\xHH", so that
// a wrong file can neither flood a message nor put raw bytes in it.
std::string FieldForMessage(std::string_view field);

// One record as a line ending in CRLF; fields holding a comma, a quote, a
// line break or outer blanks are quoted.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace radio
