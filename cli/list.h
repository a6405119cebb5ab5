// A list of designs in CSV, sized as it streams through: one row out for
// every record read, in order, with the input's columns followed by F,
// D_mm, L_mm, L_over_D, status and message. Memory does not grow with the
// rows, however long or malformed the list.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>

#include "inputs.h"
#include "list_session.h"
#include "progress.h"

namespace brenmor::cli {

// The rows' options, and where the list comes from and goes to.
struct ListOptions : lists::RowOptions {
  std::string inputName = "-";                 // in messages about the list
  std::string outputName = "standard output";  // in messages about the result
  unsigned threads = std::thread::hardware_concurrency();
  std::size_t rowsPerBatch = 1024;
};

struct ListResult {
  std::uint64_t rows = 0;           // data rows written
  std::uint64_t sized = 0;          // of them, sized
  std::uint64_t commaDecimals = 0;  // in error with a decimal comma
};

// The list's bytes from a file or stream; an error keeps the errno it had.
lists::ByteSource FileSource(std::FILE* input);

// Why the list cannot be sized, with what brenmor-size offers to mend it.
std::string CannotSizeMessage(const lists::ListProblem& problem);

// That `rows` rows were not read for a decimal comma, and how to read them.
std::string CommaDecimalsMessage(std::uint64_t rows, Spelling spelling);

// A Failure when the list cannot be sized at all, or cannot be read or
// written to its end; the rows before a read or write failure are written.
ListResult SizeList(std::FILE* input, std::FILE* output, const ListOptions& options,
                    Progress& progress);

}  // namespace brenmor::cli
