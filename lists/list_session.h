// A list opened for sizing: its header read, and the output's header line
// written with the input's byte-order mark, delimiter and line end. The
// rows then go through Sizer() in batches from Reader(), on any threads as
// brenmor-size streams them, or on one as the page sizes them (ListRun);
// either way the bytes are the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "csv_reader.h"
#include "csv_writer.h"
#include "row_sizer.h"

namespace brenmor::lists {

// Rows written so far, by how they ended.
struct RowCounts {
  std::uint64_t rows = 0;
  std::uint64_t sized = 0;
  std::uint64_t refused = 0;
  std::uint64_t errors = 0;
  // Of the errors, the rows with a number that has a decimal comma where
  // the point was expected: a front end says how to read them.
  std::uint64_t commaDecimals = 0;

  void Add(const RowEnd& end);
};

class ListSession {
 public:
  // A batch also ends at this much text, so that long cells cannot make a
  // batch, or a ring of them, large.
  static constexpr std::size_t kBatchBytes = std::size_t{1} << 20;

  ListSession(ByteSource input, const RowOptions& options);
  ListSession(const ListSession&) = delete;
  ListSession& operator=(const ListSession&) = delete;

  // Why the list cannot be sized: it has no header line, it could not be
  // read, or its header does not fit the options; None when it can.
  const ListProblem& Problem() const { return problem_; }

  // The output's first line, byte-order mark and all.
  const std::string& Header() const { return header_; }

  // A writer of rows in the output's delimiter and line end, or in another
  // delimiter with the same line end.
  CsvWriter RowWriter() const { return RowWriter(options_.delimiter); }
  CsvWriter RowWriter(char delimiter) const { return {delimiter, reader_.FirstLineEnd()}; }

  // The output's header into any writer of rows, without a byte-order mark.
  template <class Out>
  void WriteHeader(Out& out) const {
    sizer_->WriteHeader(headerBatch_, headerBatch_.records.front(), out);
  }

  CsvReader& Reader() { return reader_; }
  const RowSizer& Sizer() const { return *sizer_; }

 private:
  RowOptions options_;
  CsvReader reader_;
  RecordBatch headerBatch_;
  std::optional<RowSizer> sizer_;
  std::string header_;
  ListProblem problem_;
};

}  // namespace brenmor::lists
