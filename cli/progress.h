// Progress of a long list, on a terminal only: rows done and the share of
// the input read, shown once the list has taken a second, and cleared away
// at the end so that nothing of it stays on the screen.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>

namespace brenmor::cli {

class Progress {
 public:
  using Clock = std::function<double()>;  // seconds, from any fixed point

  // `terminal` may be null (no progress at all); `inputBytes` 0 when the
  // input's size is not known, as for a pipe.
  Progress(std::FILE* terminal, std::uint64_t inputBytes, Clock clock = SteadySeconds);

  // `rows` done so far, of which the clock is read once every 1,024 or so.
  void Update(std::uint64_t rows, std::uint64_t bytesRead);
  void Finish();

  static double SteadySeconds();

 private:
  std::FILE* terminal_;
  std::uint64_t inputBytes_;
  Clock clock_;
  double start_;
  double shownAt_ = 0;
  bool shown_ = false;
  std::uint64_t rowsAtReading_ = 0;  // when the clock was last read
};

}  // namespace brenmor::cli
