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
  if (!reader_.Next(batch_, 1, kBatchBytes)) {
    problem_ = reader_.Failure().empty() ? "the list has no header line" : reader_.Failure();
    return;
  }
  const Record& header = batch_.records.front();
  sizer_.emplace(batch_, header, options_);
  if (!sizer_->Problem().empty()) {
    problem_ = sizer_->Problem();
    return;
  }
  CsvWriter line = RowWriter();
  if (reader_.ByteOrderMark()) line.Text() = kByteOrderMark;
  sizer_->WriteHeader(batch_, header, line);
  header_ = std::move(line.Text());
}

bool ListSession::SizeRows(std::size_t rows, CsvWriter& out, RowCounts& counts) {
  if (!problem_.empty() || !reader_.Next(batch_, rows, kBatchBytes)) return false;
  for (const Record& record : batch_.records) counts.Add(sizer_->SizeRow(batch_, record, out));
  return true;
}

}  // namespace brenmor::lists
