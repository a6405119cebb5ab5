#include "csv_rows.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace brenmor::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kBlockSize = 1 << 16;
// Fed to the parser a slice at a time, so that a batch ends near its size.
constexpr std::size_t kSliceSize = 1 << 12;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The first line end of the input, which its output keeps.
std::string_view LineEndOf(std::string_view data) {
  const std::size_t end = data.find_first_of("\r\n");
  if (end == std::string_view::npos || data[end] == '\n') return "\n";
  return data.substr(end + 1).starts_with('\n') ? "\r\n" : "\r";
}

}  // namespace

CsvRows::CsvRows(std::FILE* input, char delimiter) : input_(input), block_(kBlockSize) {
  // Line ends outside a row are reported too: they number the lines.
  csv_init(&parser_, CSV_REPALL_NL);
  csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
  // Blanks are part of a cell: carried cells come out as they went in.
  csv_set_space_func(&parser_, [](unsigned char /*c*/) { return 0; });
}

CsvRows::~CsvRows() { csv_free(&parser_); }

bool CsvRows::Next(RowBatch& batch, std::size_t rows) {
  batch.text.clear();
  batch.cellEnds.clear();
  batch.rows.clear();
  // A batch is about as large as the last: room for it at once.
  batch.text.reserve(lastText_);
  batch.cellEnds.reserve(lastCells_);
  batch.rows.reserve(rows);
  batch_ = &batch;
  TakeOverRowInProgress();
  while (batch.rows.size() < rows && failure_.empty() && !finished_) {
    if (unread_.empty() && !ReadBlock()) {
      Finish();
      break;
    }
    const std::size_t slice = std::min(unread_.size(), kSliceSize);
    if (csv_parse(&parser_, unread_.data(), slice, OnCell, OnRowEnd, this) != slice) {
      failure_ = csv_strerror(csv_error(&parser_));
    }
    unread_.remove_prefix(slice);
  }
  batch.bytesRead = bytesRead_;
  batch_ = nullptr;
  HandOverRowInProgress(batch);
  lastText_ = batch.text.size();
  lastCells_ = batch.cellEnds.size();
  return !batch.rows.empty();
}

// A row that a batch ends in the middle of belongs to the next batch: its
// cells so far wait here.
void CsvRows::HandOverRowInProgress(RowBatch& batch) {
  if (row_.cellCount == 0) return;
  const std::size_t start = row_.firstCell == 0 ? 0 : batch.cellEnds[row_.firstCell - 1];
  inProgress_.text.assign(batch.text, start);
  inProgress_.cellEnds.clear();
  for (std::size_t i = row_.firstCell; i < batch.cellEnds.size(); ++i) {
    inProgress_.cellEnds.push_back(batch.cellEnds[i] - start);
  }
  batch.text.resize(start);
  batch.cellEnds.resize(row_.firstCell);
}

void CsvRows::TakeOverRowInProgress() {
  if (row_.cellCount == 0) return;
  row_.firstCell = 0;
  batch_->text = inProgress_.text;
  batch_->cellEnds = inProgress_.cellEnds;
}

bool CsvRows::ReadBlock() {
  const std::size_t size = std::fread(block_.data(), 1, block_.size(), input_);
  if (size == 0) {
    if (std::ferror(input_) != 0) failure_ = std::strerror(errno);
    return false;
  }
  bytesRead_ += size;
  unread_ = std::string_view(block_.data(), size);
  if (bytesRead_ == size) {
    if (unread_.starts_with(kByteOrderMark)) {
      byteOrderMark_ = true;
      unread_.remove_prefix(kByteOrderMark.size());
    }
    firstLineEnd_ = LineEndOf(unread_);
  }
  endsWithLineEnd_ = IsLineEnd(unread_.back());
  return true;
}

void CsvRows::Finish() {
  finished_ = true;
  if (failure_.empty()) csv_fini(&parser_, OnCell, OnRowEnd, this);
}

void CsvRows::OnCell(void* data, std::size_t size, void* self) {
  auto& rows = *static_cast<CsvRows*>(self);
  RowBatch& batch = *rows.batch_;
  const std::string_view cell(static_cast<const char*>(data), size);
  if (rows.row_.cellCount == 0) {
    rows.row_ = {rows.lineEnds_ + 1, batch.cellEnds.size(), 0, false};
    rows.afterCR_ = false;
  }
  batch.text += cell;
  batch.cellEnds.push_back(batch.text.size());
  ++rows.row_.cellCount;
  // Line ends inside a quoted cell are lines of the input too.
  rows.lineEnds_ += static_cast<std::uint64_t>(std::count(cell.begin(), cell.end(), '\n'));
}

void CsvRows::OnRowEnd(int terminator, void* self) {
  auto& rows = *static_cast<CsvRows*>(self);
  // A CR and the LF after it end one line.
  if (terminator == '\r' || (terminator == '\n' && !rows.afterCR_)) ++rows.lineEnds_;
  rows.afterCR_ = terminator == '\r';
  if (rows.row_.cellCount == 0) return;  // a line end outside any row

  RowBatch::Row row = std::exchange(rows.row_, {});
  RowBatch& batch = *rows.batch_;
  // A row still open when the input ends after a line end was inside a
  // quoted cell: outside one, that line end would have ended it.
  row.unclosedQuote = terminator == -1 && rows.endsWithLineEnd_;
  const std::size_t start = row.firstCell == 0 ? 0 : batch.cellEnds[row.firstCell - 1];
  // A row of empty cells, as a spreadsheet writes an empty row, is blank.
  const std::string_view text = std::string_view(batch.text).substr(start);
  if (!row.unclosedQuote && std::all_of(text.begin(), text.end(), IsBlank)) {
    batch.text.resize(start);
    batch.cellEnds.resize(row.firstCell);
    return;
  }
  batch.rows.push_back(row);
}

}  // namespace brenmor::cli
