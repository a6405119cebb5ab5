#include "csv_list.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "csv_rows.h"
#include "design.h"

namespace brenmor::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kRowsPerBatch = 1024;
constexpr std::size_t kBatchesWaiting = 4;
constexpr std::array<std::string_view, 6> kAddedColumns = {"F",        "D_mm",   "L_mm",
                                                           "L_over_D", "status", "message"};

// Cells with RFC 4180 quoting where a cell needs it, row after row.
class CsvText {
 public:
  CsvText(char delimiter, std::string_view lineEnd) : delimiter_(delimiter), lineEnd_(lineEnd) {}

  void Cell(std::string_view cell) {
    if (rowStarted_) text_ += delimiter_;
    rowStarted_ = true;
    const auto special = [this](char c) {
      return c == delimiter_ || c == '"' || c == '\r' || c == '\n';
    };
    if (std::none_of(cell.begin(), cell.end(), special)) {
      text_ += cell;
      return;
    }
    text_ += '"';
    for (const char c : cell) {
      if (c == '"') text_ += '"';
      text_ += c;
    }
    text_ += '"';
  }
  void EndRow() {
    text_ += lineEnd_;
    rowStarted_ = false;
  }
  std::string& Text() { return text_; }

 private:
  char delimiter_;
  std::string_view lineEnd_;
  std::string text_;
  bool rowStarted_ = false;
};

// A batch of rows to size, numbered in the order they were read.
struct Job {
  std::uint64_t number = 0;
  RowBatch rows;
};

// Hands batches from the reading thread to the sizing threads, a few at a
// time, so that memory stays the same however long the list.
class JobQueue {
 public:
  void Put(Job job) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return jobs_.size() < kBatchesWaiting; });
    jobs_.push_back(std::move(job));
    changed_.notify_all();
  }
  // Nothing once the queue is closed and empty.
  std::optional<Job> Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !jobs_.empty() || closed_; });
    if (jobs_.empty()) return std::nullopt;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    changed_.notify_all();
    return job;
  }
  void Close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

  // A batch done with goes back to the reader, which fills it again: its
  // buffers are then allocated once, not once a batch.
  void GiveBack(RowBatch batch) {
    const std::lock_guard lock(mutex_);
    spare_.push_back(std::move(batch));
  }
  RowBatch Spare() {
    const std::lock_guard lock(mutex_);
    if (spare_.empty()) return {};
    RowBatch batch = std::move(spare_.back());
    spare_.pop_back();
    return batch;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::vector<RowBatch> spare_;
  bool closed_ = false;
};

// The sized batches, written in the order they were read, whichever thread
// finishes first: a batch that is early waits, without holding up its
// thread, until the batches before it are written.
class OrderedOutput {
 public:
  OrderedOutput(std::FILE* output, Progress& progress) : output_(output), progress_(progress) {}

  // Takes `text` only when it has to wait; otherwise it is left to be used
  // again.
  void Write(std::uint64_t number, std::string& text, const ListResult& counts,
             std::uint64_t bytesRead) {
    std::unique_lock lock(mutex_);
    // Bounded, so that one slow batch cannot make the others pile up.
    written_.wait(lock, [&] { return number < next_ + kBatchesWaiting; });
    if (number == next_) {
      Emit({text, counts, bytesRead});
      ++next_;
    } else {
      early_.emplace(number, Sized{std::move(text), counts, bytesRead});
    }
    for (auto first = early_.begin(); first != early_.end() && first->first == next_;
         first = early_.begin()) {
      Emit({first->second.text, first->second.counts, first->second.bytesRead});
      early_.erase(first);
      ++next_;
    }
    written_.notify_all();
  }
  bool Failed() {
    const std::lock_guard lock(mutex_);
    return !failure_.empty();
  }
  // After the last Write.
  void Finish(ListResult& result) {
    if (failure_.empty() && std::fflush(output_) != 0) failure_ = std::strerror(errno);
    progress_.Finish();
    result.rows = rows_;
    result.sized = sized_;
    if (!failure_.empty()) {
      result.error = ListError::WriteFailed;
      result.message = failure_;
    }
  }

 private:
  struct Sized {
    std::string text;
    ListResult counts;
    std::uint64_t bytesRead;
  };
  struct Finished {
    std::string_view text;
    const ListResult& counts;
    std::uint64_t bytesRead;
  };

  void Emit(const Finished& batch) {
    if (!failure_.empty()) return;
    if (std::fwrite(batch.text.data(), 1, batch.text.size(), output_) != batch.text.size()) {
      failure_ = std::strerror(errno);
    }
    rows_ += batch.counts.rows;
    sized_ += batch.counts.sized;
    progress_.Update(rows_, batch.bytesRead);
  }

  std::FILE* output_;
  Progress& progress_;
  std::mutex mutex_;
  std::condition_variable written_;
  std::map<std::uint64_t, Sized> early_;
  std::uint64_t next_ = 0;
  std::uint64_t rows_ = 0;
  std::uint64_t sized_ = 0;
  std::string failure_;
};

// A column of the header: a design value, in a unit, or a column carried.
struct Column {
  std::optional<Field> field;
  int unit = 0;
};

// Reads "P", "v", "P [bar]" or "C[mm]"; any other name is a carried column.
// A unit off its field's list is an error: `problem` says why.
Column ReadColumn(std::string_view cell, std::string& problem) {
  std::string_view name = TrimBlanks(cell);
  std::string_view unit;
  if (const std::size_t open = name.find('[');
      open != std::string_view::npos && name.ends_with(']')) {
    unit = TrimBlanks(name.substr(open + 1, name.size() - open - 2));
    name = TrimBlanks(name.substr(0, open));
  }
  const std::optional<Field> field = FieldNamed(name);
  if (!field || unit.empty()) return {field, 0};
  if (const std::optional<int> position = UnitPosition(*field, unit)) return {field, *position};
  problem = "column \"" + std::string(cell) + "\": " + UnitProblem(*field, unit);
  return {field, 0};
}

// A value that the list and the command line both give, or neither does.
std::pair<ListError, std::string> ValueGivenAmiss(Field field, bool inTheList) {
  const std::string name(FieldName(field));
  if (inTheList) {
    return {ListError::GivenTwice,
            name + " is both a column of the list and given as " + name + "="};
  }
  return {ListError::MissingColumn,
          "the list has no column " + name + ", and no " + name + "= is given"};
}

// Reads a list on the calling thread and sizes its batches on as many
// threads as the machine has cores, writing them back in order.
class ListSizer {
 public:
  explicit ListSizer(const ListOptions& options) : options_(options) {}

  ListResult Run(std::FILE* input, std::FILE* output, Progress& progress);

 private:
  std::optional<std::string> TakeHeader(const RowBatch& batch, const CsvRows& rows);
  void SizeRow(const RowBatch& batch, const RowBatch::Row& row, CsvText& out,
               ListResult& counts) const;
  void WriteRow(const RowBatch& batch, const RowBatch::Row& row, CsvText& out,
                std::string_view status, std::string_view message, const Calculation& shown = {},
                std::string_view lengthOverD = {}) const;
  std::string Malformed(const RowBatch::Row& row) const;
  void Fail(ListError error, std::string message);

  const ListOptions& options_;
  ListResult result_;
  std::string lineEnd_;
  std::size_t columnCount_ = 0;
  std::array<std::optional<Column>, 5> columnOf_;  // by field
  std::array<std::size_t, 5> columnIndex_{};
};

ListResult ListSizer::Run(std::FILE* input, std::FILE* output, Progress& progress) {
  CsvRows rows(input, options_.delimiter);
  RowBatch batch;
  if (!rows.Next(batch, 1)) {
    if (rows.Failure().empty()) {
      Fail(ListError::Empty, "the list has no header line");
    } else {
      Fail(ListError::ReadFailed, rows.Failure());
    }
    return result_;
  }
  const std::optional<std::string> header = TakeHeader(batch, rows);
  if (!header) return result_;
  if (std::fwrite(header->data(), 1, header->size(), output) != header->size()) {
    Fail(ListError::WriteFailed, std::strerror(errno));
    return result_;
  }

  JobQueue jobs;
  OrderedOutput out(output, progress);
  std::vector<std::thread> sizers(std::max(1U, std::thread::hardware_concurrency()));
  for (std::thread& sizer : sizers) {
    sizer = std::thread([&] {
      CsvText text(options_.delimiter, lineEnd_);
      while (std::optional<Job> job = jobs.Take()) {
        text.Text().clear();
        ListResult counts;
        for (const RowBatch::Row& row : job->rows.rows) SizeRow(job->rows, row, text, counts);
        out.Write(job->number, text.Text(), counts, job->rows.bytesRead);
        jobs.GiveBack(std::move(job->rows));
      }
    });
  }
  // The rows read with the header are the first batch.
  batch.rows.erase(batch.rows.begin());
  std::uint64_t number = 0;
  if (!batch.rows.empty()) jobs.Put({number++, std::exchange(batch, jobs.Spare())});
  while (!out.Failed() && rows.Next(batch, kRowsPerBatch)) {
    jobs.Put({number++, std::exchange(batch, jobs.Spare())});
  }
  jobs.Close();
  for (std::thread& sizer : sizers) sizer.join();
  out.Finish(result_);
  if (!rows.Failure().empty()) Fail(ListError::ReadFailed, rows.Failure());
  return result_;
}

// The header's line as it is written, or nothing when the list cannot be
// sized with these columns.
std::optional<std::string> ListSizer::TakeHeader(const RowBatch& batch, const CsvRows& rows) {
  const RowBatch::Row& header = batch.rows.front();
  columnCount_ = header.cellCount;
  for (std::size_t i = 0; i < columnCount_; ++i) {
    std::string problem;
    const Column column = ReadColumn(batch.Cell(header, i), problem);
    if (!problem.empty()) {
      Fail(ListError::BadHeader, problem);
      return std::nullopt;
    }
    if (!column.field) continue;
    const auto f = static_cast<std::size_t>(*column.field);
    if (columnOf_[f]) {
      Fail(ListError::BadHeader, "two columns are " + std::string(FieldName(*column.field)));
      return std::nullopt;
    }
    columnOf_[f] = column;
    columnIndex_[f] = i;
  }
  for (std::size_t f = 0; f < columnOf_.size(); ++f) {
    if (columnOf_[f].has_value() == options_.given[f].has_value()) {
      const auto [error, message] =
          ValueGivenAmiss(static_cast<Field>(f), columnOf_[f].has_value());
      Fail(error, message);
      return std::nullopt;
    }
  }
  lineEnd_ = rows.FirstLineEnd();
  CsvText text(options_.delimiter, lineEnd_);
  for (std::size_t i = 0; i < columnCount_; ++i) text.Cell(batch.Cell(header, i));
  for (const std::string_view name : kAddedColumns) text.Cell(name);
  text.EndRow();
  return (rows.ByteOrderMark() ? std::string(kByteOrderMark) : std::string()) + text.Text();
}

void ListSizer::SizeRow(const RowBatch& batch, const RowBatch::Row& row, CsvText& out,
                        ListResult& counts) const {
  ++counts.rows;
  if (row.unclosedQuote || row.cellCount != columnCount_) {
    return WriteRow(batch, row, out, "error", Malformed(row));
  }
  GivenDesign given;
  for (std::size_t f = 0; f < given.size(); ++f) {
    if (!columnOf_[f]) {
      given[f] = *options_.given[f];
      continue;
    }
    const auto field = static_cast<Field>(f);
    const std::string_view text = batch.Cell(row, columnIndex_[f]);
    given[f] = ReadGiven(field, text, columnOf_[f]->unit);
    if (given[f].error != ReadError::None) {
      return WriteRow(batch, row, out, "error", Explain(given[f].error, field, text));
    }
  }
  const SizedDesign design = SizeGiven(given);
  if (design.status == Status::Sized) ++counts.sized;
  WriteRow(batch, row, out, StatusName(design.status), design.message, design.shown,
           design.lengthOverD);
}

std::string ListSizer::Malformed(const RowBatch::Row& row) const {
  const std::string line = "line " + std::to_string(row.line);
  if (row.unclosedQuote) return line + ": a quoted cell is not closed before the end of the list";
  return line + " has " + std::to_string(row.cellCount) + " fields, the header has " +
         std::to_string(columnCount_);
}

void ListSizer::WriteRow(const RowBatch& batch, const RowBatch::Row& row, CsvText& out,
                         std::string_view status, std::string_view message,
                         const Calculation& shown, std::string_view lengthOverD) const {
  // A row that is too short or too long still fills the header's columns.
  for (std::size_t i = 0; i < columnCount_; ++i) {
    out.Cell(i < row.cellCount ? batch.Cell(row, i) : std::string_view());
  }
  for (const std::string_view cell :
       {std::string_view(shown.fText), std::string_view(shown.dText), std::string_view(shown.lText),
        lengthOverD, status, message}) {
    out.Cell(cell);
  }
  out.EndRow();
}

void ListSizer::Fail(ListError error, std::string message) {
  if (result_.error != ListError::None) return;
  result_.error = error;
  result_.message = std::move(message);
}

}  // namespace

ListResult SizeList(std::FILE* input, std::FILE* output, const ListOptions& options,
                    Progress& progress) {
  return ListSizer(options).Run(input, output, progress);
}

}  // namespace brenmor::cli
