#include "interchange/csv_text.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

using Fields = std::vector<std::string>;

std::vector<CsvRecord> Read(std::string_view text) {
  std::vector<CsvRecord> records;
  CsvError error;
  EXPECT_TRUE(ReadCsv(text, records, error)) << error.message;
  return records;
}

TEST(CsvText, SplitsFieldsAndLinesWithCrlfOrLf) {
  const auto records = Read("a,b,c\r\n1,,3\n\n4,5,6");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].fields, (Fields{"a", "b", "c"}));
  EXPECT_EQ(records[1].fields, (Fields{"1", "", "3"}));
  EXPECT_EQ(records[2].fields, (Fields{"4", "5", "6"}));
  // Empty lines are left out but still counted.
  EXPECT_EQ(records[2].line, 4);
}

TEST(CsvText, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
  const auto records = Read("\"x,y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\nnext,\"\"\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, (Fields{"x,y", "say \"hi\"", "two\r\nlines"}));
  EXPECT_EQ(records[1].fields, (Fields{"next", ""}));
  EXPECT_EQ(records[1].line, 3);  // the quoted line break moved the count on
}

TEST(CsvText, ByteOrderMarkAndBlankRecordsAreIgnored) {
  const auto records = Read("\xEF\xBB\xBFLocation,Name\n,\n\"\",\r\n1,A\r\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields[0], "Location");
  EXPECT_EQ(records[1].line, 4);
}

TEST(CsvText, AFirstFieldStartingWithAByteOrderMarkSurvivesWritingAndReading) {
  // A file with two marks: the second belongs to the first field.
  const auto records = Read("\xEF\xBB\xBF\xEF\xBB\xBFLocation,Name\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].fields[0], "\xEF\xBB\xBFLocation");
  const auto again = Read(CsvLine(records[0].fields));
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(again[0].fields, records[0].fields);
}

TEST(CsvText, MalformedQuotingIsReportedWithItsLine) {
  std::vector<CsvRecord> records;
  CsvError error;
  EXPECT_FALSE(ReadCsv("a,b\n1,\"open\n2,3\n", records, error));
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(error.message, "a quoted field is not closed");
  EXPECT_TRUE(records.empty());
  EXPECT_FALSE(ReadCsv("a\n\"q\"x,1\n", records, error));
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(error.message, "text follows a closing quote");
}

TEST(CsvText, AQuoteInsideAnUnquotedFieldIsText) {
  EXPECT_EQ(Read("ab\"c,d\n")[0].fields, (Fields{"ab\"c", "d"}));
}

TEST(CsvText, WrittenLinesReadBackToTheSameFields) {
  const Fields fields = {"plain",       "",        "com,ma",      "quo\"te",
                         "line\nbreak", " outer ", "\xE4\xB8\xAD"};
  const std::string line = CsvLine(fields);
  EXPECT_EQ(line.substr(0, 10), "plain,,\"co");
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
  const auto records = Read(line + CsvLine({"x"}));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, fields);
}

}  // namespace
}  // namespace radio
