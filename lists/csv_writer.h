// Cells written back as CSV, row after row, quoted (RFC 4180) only where a
// cell needs it, with the input's delimiter and line end. Every cell of a
// long list passes here, so the text is written into a buffer kept larger
// than it, and grown by doubling, rather than appended piece by piece.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
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
    // A quote may double every byte, and two quotes and a delimiter come with it.
    char* out = Room(2 * cell.size() + 3);
    if (rowStarted_) *out++ = delimiter_;
    rowStarted_ = true;
    // A table, not four comparisons: every cell of a long list passes here.
    const auto special = [this](char c) { return special_[static_cast<unsigned char>(c)]; };
    if (std::none_of(cell.begin(), cell.end(), special)) {
      // Byte by byte: a cell is a few bytes, too few for a call to memmove.
      for (const char c : cell) *out++ = c;
    } else {
      *out++ = '"';
      for (const char c : cell) {
        if (c == '"') *out++ = '"';
        *out++ = c;
      }
      *out++ = '"';
    }
    used_ = static_cast<std::size_t>(out - text_.data());
  }
  void EndRow() {
    Append(lineEnd_);
    rowStarted_ = false;
  }
  // Text written as it is, with no cell around it: a byte-order mark.
  void Append(std::string_view raw) {
    char* out = Room(raw.size());
    for (const char c : raw) *out++ = c;
    used_ = static_cast<std::size_t>(out - text_.data());
  }

  // What was written; Clear() starts again with the same buffer.
  std::string_view Text() const { return {text_.data(), used_}; }
  void Clear() {
    used_ = 0;
    rowStarted_ = false;
  }

 private:
  // Where the next `size` bytes go: the buffer grows by doubling, so that a
  // batch of rows costs a few allocations in all.
  char* Room(std::size_t size) {
    if (text_.size() - used_ < size) text_.resize(std::max(2 * text_.size(), used_ + size + 256));
    return text_.data() + used_;
  }

  char delimiter_;
  std::array<bool, 256> special_{};  // by byte: the cell must be quoted
  std::string lineEnd_;
  std::string text_;  // the buffer, of which the first used_ bytes are written
  std::size_t used_ = 0;
  bool rowStarted_ = false;
};

}  // namespace brenmor::lists
