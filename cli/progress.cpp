#include "progress.h"

#include <chrono>
#include <utility>

namespace brenmor::cli {
namespace {

constexpr double kQuietSeconds = 1.0;   // a list done sooner shows nothing
constexpr double kRedrawSeconds = 0.2;  // calm enough to read
constexpr std::uint64_t kRowsPerClockReading = 1024;

}  // namespace

double Progress::SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Progress::Progress(std::FILE* terminal, std::uint64_t inputBytes, Clock clock)
    : terminal_(terminal),
      inputBytes_(inputBytes),
      clock_(std::move(clock)),
      start_(terminal != nullptr ? clock_() : 0) {}

void Progress::Update(std::uint64_t rows, std::uint64_t bytesRead) {
  if (terminal_ == nullptr || rows - rowsAtReading_ < kRowsPerClockReading) return;
  rowsAtReading_ = rows;
  const double now = clock_();
  if (now - start_ < kQuietSeconds || (shown_ && now - shownAt_ < kRedrawSeconds)) return;
  if (inputBytes_ > 0) {
    const auto percent = static_cast<unsigned>(100 * bytesRead / inputBytes_);
    std::fprintf(terminal_, "\r%llu rows, %u%% of the list read",
                 static_cast<unsigned long long>(rows), percent);
  } else {
    std::fprintf(terminal_, "\r%llu rows", static_cast<unsigned long long>(rows));
  }
  std::fflush(terminal_);
  shown_ = true;
  shownAt_ = now;
}

void Progress::Finish() {
  if (!shown_) return;
  std::fputs("\r\033[K", terminal_);  // back to the start of the line, and clear it
  std::fflush(terminal_);
  shown_ = false;
}

}  // namespace brenmor::cli
