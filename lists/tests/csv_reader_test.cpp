// The list reader on well-formed and malformed input: every record comes
// out once, in order, with its line, and a fault costs only its own record.
#include "csv_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "case_name.h"

namespace brenmor::lists {
namespace {

// A record as a test writes it: "line:cell|cell" and, for a faulty one,
// "!fault@line" after the cells read before it.
std::vector<std::string> ReadAll(std::string_view input, std::size_t batchRecords = 1000) {
  CsvReader reader(TextSource(input), ',');
  RecordBatch batch;
  std::vector<std::string> records;
  while (reader.Next(batch, batchRecords, std::size_t{1} << 20)) {
    for (const Record& record : batch.records) {
      std::string text = std::to_string(record.line) + ":";
      for (std::size_t i = 0; i < record.cellCount; ++i) {
        text += (i > 0 ? "|" : "") + std::string(batch.Cell(record, i));
      }
      if (record.fault != RecordFault::None) {
        text += "!" + std::to_string(static_cast<int>(record.fault)) + "@" +
                std::to_string(record.faultLine);
      }
      records.push_back(text);
    }
  }
  return records;
}

// Faults by number: 1 text after a quote, 2 unclosed quote.
struct ReaderCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ReaderCase& c) { return os << c.name; }
  std::string input;
  std::vector<std::string> records;
};

class CsvReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReaderTest, Reads) { EXPECT_EQ(ReadAll(GetParam().input), GetParam().records); }

INSTANTIATE_TEST_SUITE_P(
    , CsvReaderTest,
    testing::Values(
        ReaderCase{"SpreadsheetExport",
                   "\xEF\xBB\xBFTag,Note\r\nV-1,\"a, \"\"b\"\"\"\r\n\r\n , "
                   "\r\nV-2,\"two\r\nlines\"\r\nV-3,",
                   {"1:Tag|Note", "2:V-1|a, \"b\"", "5:V-2|two\r\nlines", "7:V-3|"}},
        ReaderCase{"CarriageReturnsAlone", "a\rb\r\rc", {"1:a", "2:b", "4:c"}},
        ReaderCase{"QuoteInsideAPlainCellIsText", "12\" pipe,b\n", {"1:12\" pipe|b"}},
        ReaderCase{"TextAfterQuoteAtTheStart", "\"V-1\"A,100\nV-2,200\n", {"1:!1@1", "2:V-2|200"}},
        ReaderCase{"TextAfterQuoteInTheMiddle", "a\nb,\"x\"y,c\nd\n", {"1:a", "2:b!1@2", "3:d"}},
        ReaderCase{"TextAfterQuoteOnTheLastLine", "a\n\"x\" ", {"1:a", "2:!1@2"}},
        ReaderCase{
            "TextAfterAMultiLineQuote", "a,\"x\ny,1\"z\nb\n", {"1:a!1@1", "2:y|1\"z", "3:b"}},
        ReaderCase{"OpenQuoteAtTheStart", "\"never\nb,1\nc,2\n", {"1:!2@1", "2:b|1", "3:c|2"}},
        ReaderCase{"OpenQuoteInTheMiddle", "a,1\nb,\"open\nc,2\n", {"1:a|1", "2:b!2@2", "3:c|2"}},
        ReaderCase{
            "OpenQuoteAtTheEndWithoutALineEnd", "a,1\nb,0.8,\"1000", {"1:a|1", "2:b|0.8!2@2"}},
        ReaderCase{"OpenQuoteAfterAClosedMultiLineCell",
                   "a,\"x\ny\",\"open\nb\n",
                   {"1:a|x\ny!2@2", "3:b"}}),
    CaseName());

TEST(CsvReaderBoundTest, ALongQuotedCellCostsOnlyItsLine) {
  const std::string longCell(CsvReader::kMaxRecordBytes + 10, 'x');
  EXPECT_EQ(ReadAll("a\n\"" + longCell + "\nb\nc\""),
            (std::vector<std::string>{"1:a", "2:!3@2", "3:b", "4:c\""}));
  EXPECT_EQ(ReadAll("a\n" + longCell + ",\"\nb\n"),
            (std::vector<std::string>{"1:a", "2:!4@2", "3:b"}));
}

// Well-formed rows among every malformed shape, in small batches: each
// well-formed row comes out once, in order, on its own line.
TEST(CsvReaderMixTest, KeepsEveryWellFormedRow) {
  const std::vector<std::string> malformed = {
      "\"V\"A,1",      "x,\"y\"z",  "\"open", "x,\"open", "x,\"a\"\"b\" ,c",
      "x,\"two\nl\"q", "12\" pipe", ",,,",    "\"\"",     "\"\"\"\"x",
  };
  std::mt19937 random(20261208);
  std::string input;
  std::vector<std::string> wellFormed;
  int line = 1;
  for (int i = 0; i < 2000; ++i) {
    const std::string& bad = malformed[random() % malformed.size()];
    input += bad + "\n";
    line += 1 + static_cast<int>(std::count(bad.begin(), bad.end(), '\n'));
    const std::string row = "ok" + std::to_string(i) + ",1";
    input += row + (i % 3 == 0 ? "\r\n" : "\n");
    wellFormed.push_back(std::to_string(line) + ":ok" + std::to_string(i) + "|1");
    ++line;
  }
  std::vector<std::string> found;
  for (const std::string& record : ReadAll(input, 7)) {
    if (record.find(":ok") != std::string::npos) found.push_back(record);
  }
  EXPECT_EQ(found, wellFormed);
}

}  // namespace
}  // namespace brenmor::lists
