#include <unistd.h>

#include <string>
#include <vector>

#include "app.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  brenmor::cli::Streams streams;
  if (isatty(STDERR_FILENO) != 0) streams.terminal = stderr;
  return brenmor::cli::Run(args, streams);
}
