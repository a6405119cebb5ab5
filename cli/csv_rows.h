// The rows of a CSV input as a spreadsheet writes it: RFC 4180 quoting (read
// by libcsv), LF, CRLF or CR line ends, a UTF-8 byte-order mark. Rows come in
// batches, each row with the line it began on; blank lines are skipped.
#pragma once

#include <csv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace brenmor::cli {

struct RowBatch {
  struct Row {
    std::uint64_t line = 0;     // the line it began on, the input's first being 1
    std::size_t firstCell = 0;  // its first cell's index
    std::size_t cellCount = 0;
    bool unclosedQuote = false;  // the input ended inside one of its quoted cells
  };

  std::string text;                   // every cell, back to back
  std::vector<std::size_t> cellEnds;  // where each cell ends in `text`
  std::vector<Row> rows;
  std::uint64_t bytesRead = 0;  // of the input, once the batch was filled

  std::string_view Cell(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : cellEnds[index - 1];
    return std::string_view(text).substr(start, cellEnds[index] - start);
  }
  std::string_view Cell(const Row& row, std::size_t column) const {
    return Cell(row.firstCell + column);
  }
};

class CsvRows {
 public:
  CsvRows(std::FILE* input, char delimiter);
  ~CsvRows();
  CsvRows(const CsvRows&) = delete;
  CsvRows& operator=(const CsvRows&) = delete;

  // Reads until `batch` holds at least `rows` rows (a few more, to finish
  // the slice of input in hand) or the input ends. False when it holds
  // none: at the end, or when reading failed (Failure() says why).
  bool Next(RowBatch& batch, std::size_t rows);

  const std::string& Failure() const { return failure_; }
  bool ByteOrderMark() const { return byteOrderMark_; }
  // The line end of the first line, for an output that keeps the input's.
  std::string_view FirstLineEnd() const { return firstLineEnd_; }

 private:
  static void OnCell(void* data, std::size_t size, void* self);
  static void OnRowEnd(int terminator, void* self);
  bool ReadBlock();
  void Finish();
  void HandOverRowInProgress(RowBatch& batch);
  void TakeOverRowInProgress();

  std::FILE* input_;
  csv_parser parser_{};
  RowBatch* batch_ = nullptr;
  std::vector<char> block_;
  std::string_view unread_;  // of block_
  std::uint64_t bytesRead_ = 0;
  std::size_t lastText_ = 0;  // the last batch's size, for the next
  std::size_t lastCells_ = 0;
  std::uint64_t lineEnds_ = 0;    // the line ends read so far
  bool afterCR_ = false;          // the last line end read was a CR
  bool endsWithLineEnd_ = false;  // the input read so far ends with a line end
  RowBatch::Row row_;             // the row being read, while it has cells
  RowBatch inProgress_;           // its cells, between two batches
  bool finished_ = false;
  bool byteOrderMark_ = false;
  std::string_view firstLineEnd_ = "\n";
  std::string failure_;
};

}  // namespace brenmor::cli
