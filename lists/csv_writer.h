// Cells written back as CSV, row after row, quoted (RFC 4180) only where a
// cell needs it, with the input's delimiter and line end.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace brenmor::lists {

class CsvWriter {
 public:
  CsvWriter(char delimiter, std::string_view lineEnd) : delimiter_(delimiter), lineEnd_(lineEnd) {
    for (const char c : {delimiter, '"', '\r', '\n'})
      special_[static_cast<unsigned char>(c)] = true;
  }

  void Cell(std::string_view cell) {
    if (rowStarted_) text_ += delimiter_;
    rowStarted_ = true;
    // A table, not four comparisons: every cell of a long list passes here.
    const auto special = [this](char c) { return special_[static_cast<unsigned char>(c)]; };
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
  // What was written; clear it to start again with the same buffer.
  std::string& Text() { return text_; }

 private:
  char delimiter_;
  std::array<bool, 256> special_{};  // by byte: the cell must be quoted
  std::string lineEnd_;
  std::string text_;
  bool rowStarted_ = false;
};

}  // namespace brenmor::lists
