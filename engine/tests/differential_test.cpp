// ParseValue and FormatValue against references written another way: a
// regular expression and strtod for reading, printf("%.14E") for writing.
// The cases are generated from fixed seeds, so a mismatch always comes back.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>

#include "brenmor/numbers/number_text.h"

namespace brenmor {
namespace {

constexpr int kCases = 100'000;

// std::bit_cast, which the WebAssembly build's library lacks.
template <class To, class From>
To Bits(const From& from) {
  static_assert(sizeof(To) == sizeof(From));
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// Blanks, tabs and line feeds go; the number is the longest match of the
// pattern at the start; "D" is an exponent letter like "E".
double ReferenceParse(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  static const std::regex number(R"(^[+-]?(\d+\.?\d*|\.\d+)([EeDd][+-]?\d+)?)");
  std::smatch match;
  if (!std::regex_search(text, match, number)) return 0;
  std::string prefix = match.str();
  std::replace_if(
      prefix.begin(), prefix.end(), [](char c) { return c == 'D' || c == 'd'; }, 'e');
  const double value = std::strtod(prefix.c_str(), nullptr);
  return value == 0 ? 0 : value;
}

std::string RandomText(std::mt19937_64& random) {
  static constexpr std::string_view kAlphabet =
      "0123456789012345678901234567890123456789+-+-...EEDDeedd  \t\nabcxyzEDQ,,";
  std::uniform_int_distribution<std::size_t> length(0, 24);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string text(length(random), ' ');
  for (char& c : text) c = kAlphabet[pick(random)];
  return text;
}

TEST(DifferentialTest, ParseValueMatchesRegexAndStrtod) {
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  std::mt19937_64 random(20261208);
  int mismatches = 0;
  for (int i = 0; i < kCases; ++i) {
    std::string text = RandomText(random);
    if (i % 10 == 0) text += "E" + std::to_string(random() % 700);  // huge and tiny
    const double expected = ReferenceParse(text);
    const double actual = ParseValue(text);
    if (Bits<std::uint64_t>(actual) != Bits<std::uint64_t>(expected) && ++mismatches <= 10) {
      ADD_FAILURE() << '"' << text << "\" read " << actual << ", reference " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// "%.14E" gives 15 significant digits, correctly rounded; the display rules
// then place the point or keep the exponent.
std::string ReferenceFormat(double x) {
  if (x == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(x));
  const std::string printed(buffer);  // d.ddddddddddddddE+xx
  const std::size_t e = printed.find('E');
  const int exponent = std::atoi(printed.c_str() + e + 1);
  std::string digits = printed.substr(0, 1) + printed.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string text;
  if (exponent >= 15 || exponent < -4) {
    text = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += tail;
  } else if (exponent < 0) {
    text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    digits.resize(std::max(digits.size(), static_cast<std::size_t>(exponent) + 1), '0');
    text = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
    if (digits.size() > static_cast<std::size_t>(exponent) + 1) {
      text += "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
  }
  return (x < 0 ? "-" : "") + text;
}

// Every magnitude, the edges of the fixed form and ties at the 15th digit.
double RandomDouble(std::mt19937_64& random, int i) {
  std::uniform_real_distribution<double> unit(1, 10);
  std::uniform_int_distribution<int> decade(-330, 307);
  switch (i % 5) {
    case 0: {
      double x = 0;
      do x = Bits<double>(random());
      while (!std::isfinite(x));
      return x;
    }
    case 1:
      return unit(random) * std::pow(10.0, decade(random));
    case 2: {
      const double edge = (random() % 2 == 0) ? 1e15 : 1e-4;
      const int steps = static_cast<int>(random() % 2000) - 1000;
      double x = edge;
      for (int s = 0; s < std::abs(steps); ++s) x = std::nextafter(x, steps < 0 ? 0.0 : 1e300);
      return x;
    }
    case 3:  // a whole number of 16 digits ending in 5: an exact tie
      return static_cast<double>(
          (1'000'000'000'000'000 + random() % 8'000'000'000'000'000) / 10 * 10 + 5);
    default:
      return static_cast<double>(static_cast<std::int64_t>(random() % 2'000'000) - 1'000'000) /
             std::pow(10.0, static_cast<int>(random() % 8));
  }
}

TEST(DifferentialTest, FormatValueMatchesPrintf) {
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  std::mt19937_64 random(8122026);
  int mismatches = 0;
  for (int i = 0; i < kCases; ++i) {
    const double x = RandomDouble(random, i) * ((random() % 2 == 0) ? 1 : -1);
    const std::string expected = ReferenceFormat(x);
    const std::string actual = FormatValue(x);
    if (actual != expected && ++mismatches <= 10) {
      ADD_FAILURE() << std::hexfloat << x << " wrote " << actual << ", reference " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// FormatFixed against printf("%.*f") of the value RoundTo gives.
TEST(DifferentialTest, FormatFixedMatchesPrintf) {
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  std::mt19937_64 random(20261208);
  int mismatches = 0;
  for (int i = 0; i < kCases; ++i) {
    const double x = RandomDouble(random, i) * ((random() % 2 == 0) ? 1 : -1);
    const int decimals = static_cast<int>(random() % 9);
    const double rounded = RoundTo(x, decimals);
    if (!(std::fabs(rounded) < 1e15)) continue;
    std::array<char, 400> expected{};
    std::snprintf(expected.data(), expected.size(), "%.*f", decimals, rounded == 0 ? 0.0 : rounded);
    const std::string actual = FormatFixed(x, decimals);
    if (actual != expected.data() && ++mismatches <= 10) {
      ADD_FAILURE() << std::hexfloat << x << " to " << decimals << " wrote " << actual
                    << ", reference " << expected.data();
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// FormatRounded, which writes the steps of its decimals, against the
// printf reference of the value RoundTo gives, as a box writes it.
TEST(DifferentialTest, FormatRoundedMatchesPrintf) {
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  std::mt19937_64 random(10122026);
  int mismatches = 0;
  for (int i = 0; i < kCases; ++i) {
    const double x = RandomDouble(random, i) * ((random() % 2 == 0) ? 1 : -1);
    const int decimals = static_cast<int>(random() % 9);
    const std::string expected = ReferenceFormat(RoundTo(x, decimals));
    const std::string actual = FormatRounded(x, decimals);
    if (actual != expected && ++mismatches <= 10) {
      ADD_FAILURE() << std::hexfloat << x << " to " << decimals << " wrote " << actual
                    << ", reference " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace brenmor
