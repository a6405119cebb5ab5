#include "list_session.h"

#include <string_view>

namespace brenmor::lists {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

void RowCounts::Add(Status status) {
  ++rows;
  switch (status) {
    case Status::Sized:
      ++sized;
      break;
    case Status::Refused:
      ++refused;
      break;
    case Status::Error:
      ++errors;
      break;
  }
}

ListSession::ListSession(ByteSource input, const RowOptions& options)
    : options_(options), reader_(std::move(input), options.delimiter) {
  if (!reader_.Next(headerBatch_, 1, kBatchBytes)) {
    problem_ = reader_.Failure().empty() ? "the list has no header line" : reader_.Failure();
    return;
  }
  sizer_.emplace(headerBatch_, headerBatch_.records.front(), options_);
  if (!sizer_->Problem().empty()) {
    problem_ = sizer_->Problem();
    return;
  }
  CsvWriter line = RowWriter();
  if (reader_.ByteOrderMark()) line.Text() = kByteOrderMark;
  WriteHeader(line);
  header_ = std::move(line.Text());
}

}  // namespace brenmor::lists
