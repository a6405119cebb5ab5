// Any text reads as a number that is never NaN, and any finite double writes
// as a text that reads back as itself to 15 significant digits.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "brenmor/numbers/number_text.h"
#include "fuzz_check.h"

namespace {

using brenmor::FormatValue;
using brenmor::ParseValue;
using brenmor::RoundTo;

// x rounded to 15 significant digits, as the nearest double, by the C
// library (another way than the engine's). Next to the largest double that
// rounding lies beyond the range: infinity, as strtod says.
double ToFifteenDigits(double x) {
  std::array<char, 40> text{};
  std::snprintf(text.data(), text.size(), "%.14e", x);
  return std::strtod(text.data(), nullptr);
}

void CheckWritesBack(double x) {
  if (!std::isfinite(x)) return;
  const std::string text = FormatValue(x);
  FUZZ_CHECK(text != "-0");
  FUZZ_CHECK(text.find(',') == std::string::npos);
  const double back = ParseValue(text);
  const double expected = ToFifteenDigits(x);
  FUZZ_CHECK(back == expected || (back == 0 && expected == 0));
  for (const int decimals : {0, 3, 4}) {
    const double once = RoundTo(x, decimals);
    FUZZ_CHECK(std::isfinite(once));
    FUZZ_CHECK(RoundTo(once, decimals) == once);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = ParseValue(text);
  FUZZ_CHECK(!std::isnan(value));
  CheckWritesBack(value);
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckWritesBack(raw);
  }
  return 0;
}
