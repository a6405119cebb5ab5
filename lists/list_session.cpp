#include "list_session.h"

#include <string_view>

namespace brenmor::lists {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

void RowCounts::Add(const RowEnd& end) {
  ++rows;
  commaDecimals += end.valueProblem == ProblemKind::CommaDecimal ? 1 : 0;
  switch (end.status) {
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
    problem_.kind =
        reader_.ReadError() == 0 ? ListProblemKind::NoHeaderLine : ListProblemKind::ReadFailed;
    problem_.error = reader_.ReadError();
    return;
  }
  sizer_.emplace(headerBatch_, headerBatch_.records.front(), options_);
  if (sizer_->Problem()) {
    problem_ = sizer_->Problem();
    return;
  }
  CsvWriter line = RowWriter();
  if (reader_.ByteOrderMark()) line.Append(kByteOrderMark);
  WriteHeader(line);
  header_ = line.Text();
}

}  // namespace brenmor::lists
