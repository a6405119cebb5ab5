// A list sized for the page, batch by batch: the bytes brenmor-size writes
// for it, the same rows as tab-separated text for a spreadsheet's
// clipboard, and the rows a table on screen shows, which are the first
// ones and then each row that was not sized, up to a bound, so that a
// list of a million rows never becomes a million rows on screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list_session.h"

namespace brenmor::lists {

struct ShownRow {
  std::uint64_t line = 0;  // of the list, where the row begins
  std::vector<std::string> cells;
};

class ListRun {
 public:
  // A batch small enough for a progress bar to move often, large enough
  // that handing it on costs little beside sizing it.
  static constexpr std::size_t kBatchRows = 4096;
  static constexpr std::uint64_t kFirstRows = 100;
  static constexpr std::uint64_t kMostRows = 1000;

  // The header is read at once; Problem() says when the list cannot be sized.
  ListRun(ByteSource input, const RowOptions& options);

  const ListProblem& Problem() const { return session_.Problem(); }
  // Which column was taken for each field, in one line.
  std::string ColumnsTaken() const { return session_.Sizer().ColumnsTaken(); }
  // The output's columns.
  std::vector<std::string> HeaderCells() const;

  // Sizes up to `rows` more rows; false when none were left or reading
  // failed (ReadError()). The texts below hold what each call wrote, even one
  // that returns false; the first call's begin with the header.
  bool Next(std::size_t rows);

  // This batch's output: as brenmor-size writes it, and tab-separated
  // without a byte-order mark.
  std::string_view Csv() const { return csv_.Text(); }
  std::string_view Tsv() const { return tsv_.Text(); }
  // This batch's rows that the table shows.
  const std::vector<ShownRow>& Shown() const { return shown_; }

  const RowCounts& Counts() const { return counts_; }
  // Rows sized so far that the table does not show.
  std::uint64_t LeftOut() const { return counts_.rows - shownCount_; }
  std::uint64_t BytesRead() const { return batch_.bytesRead; }
  int ReadError() { return session_.Reader().ReadError(); }

 private:
  bool Shows(Status status) const;

  ListSession session_;
  RecordBatch batch_;
  CsvWriter csv_;
  CsvWriter tsv_;
  std::vector<ShownRow> shown_;
  RowCounts counts_;
  std::uint64_t shownCount_ = 0;
  bool started_ = false;
};

}  // namespace brenmor::lists
