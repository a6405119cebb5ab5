#include "progress.h"

#include <gtest/gtest.h>

#include <string>

#include "run_brenmor_size.h"

namespace brenmor::cli {
namespace {

// A list that takes longer than a second shows rows and share read, calmly,
// and clears them away at the end; a quick one shows nothing.
TEST(ProgressTest, ShowsOnlyAfterASecondAndClearsAtTheEnd) {
  double now = 0;
  std::FILE* terminal = std::tmpfile();
  Progress progress(terminal, 1000, [&now] { return now; });
  for (int row = 1; row <= 4096; ++row) {
    now = row / 4096.0 * 0.9;
    progress.Update(static_cast<std::uint64_t>(row), 100);
  }
  std::fflush(terminal);
  EXPECT_EQ(std::ftell(terminal), 0) << "nothing within the first second";
  for (int row = 4097; row <= 12288; ++row) {
    now = 1 + (row - 4096) / 8192.0 * 0.1;  // three chances within a tenth: drawn once
    progress.Update(static_cast<std::uint64_t>(row), 370);
  }
  progress.Finish();
  EXPECT_EQ(Drain(terminal), "\r5120 rows, 37% of the list read\r\033[K");
}

}  // namespace
}  // namespace brenmor::cli
