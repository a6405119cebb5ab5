// The one way brenmor-size fails: a usage, input or output problem, said in
// one line on standard error with exit status 2. It is thrown where it is
// found and caught once, in Run.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace brenmor::cli {

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}
  // A problem of a file or stream: "list.csv: No such file or directory".
  Failure(std::string_view name, std::string_view what)
      : std::runtime_error(std::string(name) + ": " + std::string(what)) {}
};

}  // namespace brenmor::cli
