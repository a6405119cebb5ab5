// Arbitrary bytes read as a list: whatever comes before them, marker lines
// appended after the bytes each come out as their own record, once, in
// order and on their own line; records never go back in the input; without
// a quote every line with text is one record; and the reader holds no more
// than its bound.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "csv_reader.h"
#include "fuzz_check.h"

namespace {

using brenmor::lists::CsvReader;
using brenmor::lists::Record;
using brenmor::lists::RecordBatch;

constexpr int kMarkers = 3;

// Line ends as the reader counts them: CR, LF, or a CR and an LF together.
std::vector<std::size_t> LineStarts(std::string_view text) {
  std::vector<std::size_t> starts = {0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
  }
  return starts;
}

bool HasText(std::string_view line) {
  return line.find_first_not_of(" \t\r\n,") != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  const bool quoted = input.find('"') != std::string::npos;
  const std::size_t markersAt = input.size() + 1;
  input += '\n';
  for (int i = 0; i < kMarkers; ++i) input += "M" + std::to_string(i) + "\n";
  const std::vector<std::size_t> starts = LineStarts(input);

  CsvReader reader(brenmor::lists::TextSource(input), ',');
  RecordBatch batch;
  std::vector<std::uint64_t> lines;
  std::vector<std::uint64_t> markerLines;
  while (reader.Next(batch, 3, 64)) {
    for (const Record& record : batch.records) {
      FUZZ_CHECK(lines.empty() || record.line > lines.back());
      lines.push_back(record.line);
      FUZZ_CHECK(record.line <= starts.size());
      const std::size_t start = starts[static_cast<std::size_t>(record.line - 1)];
      if (start >= markersAt && record.cellCount > 0) {
        FUZZ_CHECK(batch.Cell(record, 0) == "M" + std::to_string(markerLines.size()));
        markerLines.push_back(record.line);
      }
    }
    FUZZ_CHECK(reader.Buffered() <= 4 * CsvReader::kMaxRecordBytes);
  }
  FUZZ_CHECK(reader.ReadError() == 0);
  FUZZ_CHECK(markerLines.size() == kMarkers);

  if (!quoted) {
    std::size_t withText = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : input.size();
      std::string_view line = std::string_view(input).substr(starts[i], end - starts[i]);
      if (i == 0 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // not text
      withText += HasText(line) ? 1 : 0;
    }
    FUZZ_CHECK(lines.size() == withText);
  }
  return 0;
}
