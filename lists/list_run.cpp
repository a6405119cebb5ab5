#include "list_run.h"

namespace brenmor::lists {

ListRun::ListRun(ByteSource input, const RowOptions& options)
    : session_(std::move(input), options),
      csv_(session_.RowWriter()),
      tsv_(session_.RowWriter('\t')) {
  if (Problem()) return;
  csv_.Append(session_.Header());
  session_.WriteHeader(tsv_);
}

std::vector<std::string> ListRun::HeaderCells() const {
  CellList header;
  if (!Problem()) session_.WriteHeader(header);
  return std::move(header.cells);
}

bool ListRun::Next(std::size_t rows) {
  // The header stays in the first call's texts, to be taken with them.
  if (started_) {
    csv_.Clear();
    tsv_.Clear();
  }
  started_ = true;
  shown_.clear();
  if (Problem() || !session_.Reader().Next(batch_, rows, ListSession::kBatchBytes)) {
    return false;
  }
  const RowSizer& sizer = session_.Sizer();
  WriterPair both{csv_, tsv_};
  for (const Record& record : batch_.records) {
    const RowEnd end = sizer.SizeRow(batch_, record, both);
    counts_.Add(end);
    if (Shows(end.status)) {
      CellList row;
      sizer.SizeRow(batch_, record, row);
      shown_.push_back({record.line, std::move(row.cells)});
      ++shownCount_;
    }
  }
  return true;
}

// counts_ already holds the row in question.
bool ListRun::Shows(Status status) const {
  if (counts_.rows <= kFirstRows) return true;
  return status != Status::Sized && shownCount_ < kMostRows;
}

}  // namespace brenmor::lists
