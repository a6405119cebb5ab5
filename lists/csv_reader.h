// The records of a CSV list as spreadsheets and people write them: RFC 4180
// quoting, LF, CRLF or CR line ends, a UTF-8 byte-order mark, blank lines
// skipped. A malformed record is kept as one record with its fault, and
// reading goes on after it, so no record is ever lost. Memory is bounded
// whatever the input: no record is held past kMaxRecordBytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brenmor::lists {

// What is wrong with a record, when something is.
enum class RecordFault {
  None,            // read as written
  TextAfterQuote,  // a quoted cell goes on after its closing quote
  UnclosedQuote,   // a quoted cell is not closed before the end of the list
  QuotedTooLong,   // a quoted cell runs past kMaxRecordBytes
  LineTooLong,     // a line runs past kMaxRecordBytes
};

struct Record {
  std::uint64_t line = 0;     // where it begins, the input's first line being 1
  std::size_t firstCell = 0;  // its first cell's index in the batch
  std::size_t cellCount = 0;  // of a faulty record, the cells before the fault
  RecordFault fault = RecordFault::None;
  std::uint64_t faultLine = 0;  // where the fault is (a quote: where it opened)
};

// Records back to back: each cell's text, unquoted, and where it ends.
struct RecordBatch {
  std::string text;
  std::vector<std::size_t> cellEnds;
  std::vector<Record> records;
  std::uint64_t bytesRead = 0;  // of the input, once the batch was filled

  std::string_view Cell(const Record& record, std::size_t column) const {
    const std::size_t index = record.firstCell + column;
    const std::size_t start = index == 0 ? 0 : cellEnds[index - 1];
    return std::string_view(text).substr(start, cellEnds[index] - start);
  }
};

// Where a list's bytes come from: a file for brenmor-size, text or a file
// chosen in the page. It fills `into` with up to `size` bytes and says how
// many; fewer only at the end of the list or on a failure, whose errno it
// gives (0 at the end).
struct BytesRead {
  std::size_t count = 0;
  int error = 0;
};
using ByteSource = std::function<BytesRead(char* into, std::size_t size)>;

// The bytes of `text`, which must outlive the reader.
ByteSource TextSource(std::string_view text);

class CsvReader {
 public:
  static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

  CsvReader(ByteSource input, char delimiter) : input_(std::move(input)), delimiter_(delimiter) {}

  // Fills `batch` with up to `records` records, fewer once its text passes
  // `bytes` or the input ends. False when it holds none: at the end, or
  // when reading failed (ReadError() says with which errno).
  bool Next(RecordBatch& batch, std::size_t records, std::size_t bytes);

  // The errno that stopped reading; 0 while none has.
  int ReadError() const { return failure_; }
  bool ByteOrderMark() const { return byteOrderMark_; }
  // The first line end, for an output that keeps the input's.
  std::string_view FirstLineEnd() const { return firstLineEnd_; }
  // Input held while it is being read: bounded by kMaxRecordBytes and a block.
  std::size_t Buffered() const { return buffer_.capacity(); }

 private:
  enum class Outcome { Read, NeedMore, End };
  class Parse;

  Outcome ParseRecord(RecordBatch& batch);
  bool Refill(std::size_t atLeast);
  bool SkipLine();
  void Resume(std::size_t at, std::uint64_t line);

  ByteSource input_;
  char delimiter_;
  std::string buffer_;  // input from `pos_` on is unread
  std::size_t pos_ = 0;
  std::uint64_t line_ = 1;  // the line at `pos_`
  std::uint64_t bytesRead_ = 0;
  bool atEnd_ = false;
  int readError_ = 0;  // an error after the input in hand
  bool byteOrderMark_ = false;
  std::string_view firstLineEnd_ = "\n";
  int failure_ = 0;
};

}  // namespace brenmor::lists
