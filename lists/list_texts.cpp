#include "list_texts.h"

#include <cctype>

namespace brenmor::lists {
namespace {

// 1234567 as "1,234,567": counts of rows are read at a glance.
std::string Grouped(std::uint64_t n) {
  std::string digits = std::to_string(n);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  }
  return digits;
}

std::string Counted(std::uint64_t n, std::string_view one, std::string_view many) {
  return Grouped(n) + ' ' + std::string(n == 1 ? one : many);
}

std::string Sentence(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace

std::string_view Caption(DelimiterChoice choice) {
  switch (choice) {
    case DelimiterChoice::Automatic:
      return "Automatic";
    case DelimiterChoice::Comma:
      return "Comma";
    case DelimiterChoice::Semicolon:
      return "Semicolon";
    case DelimiterChoice::Tab:
      return "Tab";
  }
  return "";
}

std::optional<char> DelimiterOf(DelimiterChoice choice, DecimalMark mark, bool pasted) {
  const bool comma = mark == DecimalMark::Comma;
  switch (choice) {
    case DelimiterChoice::Automatic:
      return pasted ? '\t' : comma ? ';' : ',';
    case DelimiterChoice::Comma:
      return comma ? std::nullopt : std::optional<char>(',');
    case DelimiterChoice::Semicolon:
      return ';';
    case DelimiterChoice::Tab:
      return '\t';
  }
  return std::nullopt;
}

std::string CountsText(const RowCounts& counts) {
  return Counted(counts.rows, "row", "rows") + ": " + Grouped(counts.sized) + " sized, " +
         Grouped(counts.refused) + " refused, " + Counted(counts.errors, "error", "errors");
}

std::string StoppedText(const RowCounts& counts) { return "Stopped after " + CountsText(counts); }

std::string CannotSizeText(const ListProblem& problem) {
  std::string text = "The list cannot be sized: " + Message(problem);
  if (problem.kind == ListProblemKind::NoColumn) text += "; add one to the list";
  return text;
}

std::string CommaDecimalText(const RowCounts& counts) {
  if (counts.commaDecimals == 0) return "";
  return Counted(counts.commaDecimals, "row has", "rows have") +
         " a number with a decimal comma: choose Decimal comma to read them.";
}

std::string ColumnsText(std::string_view taken) { return Sentence(std::string(taken)); }

std::string LeftOutText(std::uint64_t rows) {
  if (rows == 0) return "";
  return Counted(rows, "row is", "rows are") +
         " not shown here; the download and the copy hold every row.";
}

std::string SizedName(std::string_view inputName) {
  const std::string_view stem = inputName.substr(0, inputName.rfind('.'));
  return std::string(stem.empty() ? "list" : stem) + "-sized.csv";
}

}  // namespace brenmor::lists
