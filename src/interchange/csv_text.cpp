#include "interchange/csv_text.h"

#include <algorithm>

namespace radio {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool AllEmpty(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// A leading byte-order mark is quoted too: at the start of a file the reader
// would take it for the file's encoding mark and drop it.
bool NeedsQuotes(std::string_view field) {
  if (field.empty()) return false;
  return field.find_first_of(",\"\r\n") != std::string_view::npos || field.front() == ' ' ||
         field.back() == ' ' || field.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

}  // namespace

bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error,
             Language lang) {
  records.clear();
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());

  int line = 1;
  CsvRecord record{line, {}};
  std::string field;
  std::size_t i = 0;
  const std::size_t n = text.size();

  const auto endRecord = [&]() {
    record.fields.push_back(std::move(field));
    field.clear();
    if (!AllEmpty(record.fields)) records.push_back(std::move(record));
    record = CsvRecord{line, {}};
  };
  // A line break at `i` (CRLF, LF or a lone CR): its length, 0 when none.
  const auto lineBreak = [&](std::size_t at) -> std::size_t {
    if (at >= n) return 0;
    if (text[at] == '\n') return 1;
    if (text[at] == '\r') return at + 1 < n && text[at + 1] == '\n' ? 2 : 1;
    return 0;
  };

  while (i < n) {
    if (text[i] == '"' && field.empty()) {
      // Quoted field: runs to the next quote that is not doubled.
      const int startLine = line;
      ++i;
      for (;;) {
        if (i >= n) {
          error = {startLine, Tr(lang, "a quoted field is not closed", "引号中的字段没有结束")};
          records.clear();
          return false;
        }
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        if (const std::size_t br = lineBreak(i)) {
          field.append(text.substr(i, br));
          i += br;
          ++line;
          continue;
        }
        field += text[i++];
      }
      if (i < n && text[i] != ',' && lineBreak(i) == 0) {
        error = {line, Tr(lang, "text follows a closing quote", "结束引号后还有文字")};
        records.clear();
        return false;
      }
      continue;
    }
    if (text[i] == ',') {
      record.fields.push_back(std::move(field));
      field.clear();
      ++i;
      continue;
    }
    if (const std::size_t br = lineBreak(i)) {
      i += br;
      endRecord();
      ++line;
      record.line = line;
      continue;
    }
    field += text[i++];
  }
  if (!field.empty() || !record.fields.empty()) endRecord();
  return true;
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) out += ',';
    const std::string& f = fields[k];
    if (!NeedsQuotes(f)) {
      out += f;
      continue;
    }
    out += '"';
    for (char c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
  return out;
}

namespace {

// The length of the UTF-8 character at the start of `s`; 0 when the bytes
// there are no UTF-8 character.
std::size_t Utf8Length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  const std::size_t n = lead < 0x80   ? 1
                        : lead < 0xC2 ? 0
                        : lead < 0xE0 ? 2
                        : lead < 0xF0 ? 3
                        : lead < 0xF5 ? 4
                                      : 0;
  if (n == 0 || n > s.size()) return 0;
  for (std::size_t i = 1; i < n; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  // No overlong forms, no surrogates, nothing beyond U+10FFFF.
  if (n > 2) {
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
      return 0;
  }
  return n;
}

}  // namespace

std::string FieldForMessage(std::string_view field) {
  constexpr int kMostCharacters = 40;
  std::string out;
  int shown = 0;
  while (!field.empty() && shown < kMostCharacters) {
    const unsigned char c = static_cast<unsigned char>(field.front());
    const std::size_t n = Utf8Length(field);
    if (n == 0 || c < 0x20 || c == 0x7F) {
      static const char kHex[] = "0123456789ABCDEF";
      out += {'\\', 'x', kHex[c >> 4], kHex[c & 0x0F]};
      field.remove_prefix(1);
    } else {
      out += field.substr(0, n);
      field.remove_prefix(n);
    }
    ++shown;
  }
  if (!field.empty()) out += "\u2026";
  return out;
}

}  // namespace radio
