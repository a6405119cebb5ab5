// A list of designs in CSV, sized row by row as it streams through: the
// input's columns come out as they went in, followed by F, D_mm, L_mm,
// L_over_D, status and message. Memory does not grow with the rows.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "given_value.h"
#include "progress.h"

namespace brenmor::cli {

struct ListOptions {
  char delimiter = ',';
  // A value for every row, from the command line, for a field that the
  // list has no column for.
  std::array<std::optional<GivenValue>, 5> given;
};

// Why a list could not be sized at all (a row's own trouble is in its row).
enum class ListError {
  None,           // every row was written, each sized, refused or in error
  Empty,          // the input holds no header
  BadHeader,      // a column names a unit off its field's list, or a field twice
  MissingColumn,  // a field has no column and no value on the command line
  GivenTwice,     // a field has a column and a value on the command line
  ReadFailed,     // the input could not be read
  WriteFailed,    // the output could not be written
};

struct ListResult {
  ListError error = ListError::None;
  std::string message;      // for an error: what and where
  std::uint64_t rows = 0;   // data rows written
  std::uint64_t sized = 0;  // of them, sized
};

ListResult SizeList(std::FILE* input, std::FILE* output, const ListOptions& options,
                    Progress& progress);

}  // namespace brenmor::cli
