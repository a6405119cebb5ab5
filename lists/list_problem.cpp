#include "list_problem.h"

#include <cstring>

namespace brenmor::lists {
namespace {

std::string Letter(const ListProblem& p) {
  return p.field ? std::string(Info(*p.field).letter) : std::string();
}

std::string RecordMessage(const ListProblem& p) {
  const std::string line = "line " + std::to_string(p.line);
  switch (p.fault) {
    case RecordFault::None:
      break;
    case RecordFault::TextAfterQuote:
      return line + ": a quoted cell has more text after its closing quote";
    case RecordFault::UnclosedQuote:
      return line + ": a quoted cell is not closed before the end of the list";
    case RecordFault::QuotedTooLong:
      return line + ": a quoted cell is not closed within 1 MiB";
    case RecordFault::LineTooLong:
      return line + " is longer than 1 MiB";
  }
  return {};
}

}  // namespace

std::string Message(const ListProblem& p) {
  switch (p.kind) {
    case ListProblemKind::None:
      return {};
    case ListProblemKind::Record:
      return RecordMessage(p);
    case ListProblemKind::CellCount:
      return "line " + std::to_string(p.line) + " has " + std::to_string(p.cells) +
             " fields, the header has " + std::to_string(p.headerCells);
    case ListProblemKind::Value:
      return Message(p.value);
    case ListProblemKind::Option:
      return std::string(p.value.kind == ProblemKind::NoSuchHead ? "head" : "orientation") + " \"" +
             p.value.text + "\": " + Message(p.value);
    case ListProblemKind::NoHeaderLine:
      return "the list has no header line";
    case ListProblemKind::ReadFailed:
      return std::strerror(p.error);
    case ListProblemKind::TwoOptionColumns:
      return "two columns are " + p.names[0];
    case ListProblemKind::ColumnUnit:
      return "column \"" + p.names[0] + "\": " + Message(p.value);
    case ListProblemKind::TwoColumns:
      return "columns \"" + p.names[0] + "\" and \"" + p.names[1] + "\" are both " + Letter(p);
    case ListProblemKind::ColumnAndValue:
      return Letter(p) + " is both a column of the list and given for every row";
    case ListProblemKind::NoColumn:
      return "the list has no column " + Letter(p);
  }
  return {};
}

}  // namespace brenmor::lists
