// brenmor-size from its command line to its exit status: one design given as
// P=… C=… S=… E=… V=…, or a list with --csv. Runs with any streams, so that
// the tests run it as a user does, without starting a process.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace brenmor::cli {

// Exit statuses.
enum ExitStatus {
  kAllSized = 0,  // the design, or every row of the list, was sized
  kNotSized = 1,  // refused, or a row refused or in error
  // A usage, input or output error, said on standard error. -o OUT is then
  // not written; on standard output, a list's rows before a read or write
  // error stay written.
  kFailed = 2,
};

struct Streams {
  std::FILE* input = stdin;    // the list when it is "-"
  std::FILE* output = stdout;  // the result unless -o names a file
  std::FILE* errors = stderr;
  std::FILE* terminal = nullptr;  // where progress goes; none when not a terminal
};

// `args` without the program's name.
int Run(std::span<const std::string> args, const Streams& streams);

}  // namespace brenmor::cli
