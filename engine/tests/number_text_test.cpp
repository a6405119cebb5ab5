#include "brenmor/numbers/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "case_name.h"

namespace brenmor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ParseCase& c) { return os << c.name; }
  const char* text;
  double expected;
};

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsTheStart) {
  const double value = ParseValue(GetParam().text);
  EXPECT_EQ(value, GetParam().expected) << '"' << GetParam().text << '"';
  EXPECT_FALSE(std::signbit(value) && value == 0) << "never -0";
}

INSTANTIATE_TEST_SUITE_P(
    , ParseTest,
    testing::Values(
        ParseCase{"Empty", "", 0}, ParseCase{"NoNumber", "abc", 0}, ParseCase{"LonePoint", ".", 0},
        ParseCase{"LoneSign", "-", 0}, ParseCase{"NegativeZero", "-0", 0},
        ParseCase{"TwoSigns", "+-5", 0}, ParseCase{"NegativeFraction", "-.5", -0.5},
        ParseCase{"PlusSign", "+7", 7}, ParseCase{"BlanksInside", " 16 000 ", 16000},
        ParseCase{"TabsAndLineFeeds", "\t1\n2\t", 12}, ParseCase{"BlankAfterSign", "- 5", -5},
        ParseCase{"Exponent", "1.5E3", 1500}, ParseCase{"LowerCaseExponent", "2e-2", 0.02},
        ParseCase{"DExponent", "1.5D3", 1500}, ParseCase{"LowerD", "3d1", 30},
        ParseCase{"ExponentWithoutDigits", "1.5E", 1.5},
        ParseCase{"ExponentSignWithoutDigits", "1.5E+x", 1.5},
        ParseCase{"ExponentAfterNoDigits", ".E5", 0}, ParseCase{"TrailingUnit", "0.0625mm", 0.0625},
        ParseCase{"TrailingLetters", "12abc", 12}, ParseCase{"Comma", "1,5", 1},
        ParseCase{"SecondPoint", "1.2.3", 1.2}, ParseCase{"CarriageReturnStops", "1\r2", 1},
        ParseCase{"LongDigitRun", "000000000000000000000000000001.5", 1.5},
        ParseCase{"Overflow", "1E400", kInf}, ParseCase{"NegativeOverflow", "-1E400", -kInf},
        ParseCase{"LongMantissaOverflow", "99999999999999999999E300", kInf},
        ParseCase{"HugeExponent", "1E99999999999999999999999", kInf},
        ParseCase{"Underflow", "1E-400", 0}, ParseCase{"NegativeUnderflow", "-1E-400", 0},
        ParseCase{"ZeroWithHugeExponent", "0E99999", 0}, ParseCase{"Subnormal", "1E-310", 1E-310}),
    CaseName());

// How far the number reaches, for a reader that wants to see what follows.
TEST(ReadNumberTest, SaysWhereTheNumberEnds) {
  const auto read = [](std::string_view text) {
    const NumberRead n = ReadNumber(text);
    return std::pair(n.value, n.length);
  };
  EXPECT_EQ(read("10bar"), std::pair(10.0, std::size_t{2}));
  EXPECT_EQ(read(" 10 bar"), std::pair(10.0, std::size_t{4})) << "blanks before the unit passed";
  EXPECT_EQ(read("1 000 mm"), std::pair(1000.0, std::size_t{6}));
  EXPECT_EQ(read("-2.5e3m^3"), std::pair(-2500.0, std::size_t{6}));
  EXPECT_EQ(read("1.5E"), std::pair(1.5, std::size_t{3})) << "an exponent without digits";
  EXPECT_EQ(read("1,5"), std::pair(1.0, std::size_t{1}));
  EXPECT_EQ(read("abc"), std::pair(0.0, std::size_t{0}));
  EXPECT_EQ(read("."), std::pair(0.0, std::size_t{0}));
}

TEST(ParseValueTest, IgnoresTheProcessLocale) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  EXPECT_EQ(ParseValue("145.038"), 145.038);
  EXPECT_EQ(ParseValue("145,038"), 145);
  EXPECT_EQ(FormatValue(145.038), "145.038");
  std::setlocale(LC_NUMERIC, "C");
}

struct RoundCase {
  double x;
  int decimals;
  double expected;
  friend std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.x << " to " << c.decimals;
  }
};

class RoundingTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundingTest, RoundsHalfToEven) {
  const auto& [x, decimals, expected] = GetParam();
  EXPECT_EQ(RoundTo(x, decimals), expected) << x << " to " << decimals;
}

INSTANTIATE_TEST_SUITE_P(, RoundingTest,
                         testing::Values(RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4},
                                         RoundCase{-2.5, 0, -2}, RoundCase{1702.5, 0, 1702},
                                         RoundCase{1703.5, 0, 1704}, RoundCase{1702.68, 0, 1703},
                                         RoundCase{0.125, 2, 0.12},
                                         RoundCase{145.03824327658526, 3, 145.038},
                                         RoundCase{0.11811023622047244, 4, 0.1181},
                                         RoundCase{1e300, 3, 1e300}, RoundCase{-1e300, 3, -1e300},
                                         RoundCase{kInf, 3, kInf}));

TEST(RoundToTest, IsStableOnItsOwnResult) {
  for (const double x : {0.1, 145.03824327658526, 1e15 + 0.3, 4503599627370.4966, 123456.78949}) {
    for (const int n : {0, 3, 4}) {
      const double once = RoundTo(x, n);
      EXPECT_EQ(RoundTo(once, n), once) << x << " to " << n;
    }
  }
}

// Rounding happens up to |x * 10^n| = 2^53; above it the doubles near x are
// already farther apart than 10^-n, and x must come back bit for bit.
TEST(RoundToTest, RoundsOnlyBelowTwoTo53) {
  const double scaledAbove2To52 = ParseValue("450442021689.58453");
  EXPECT_EQ(FormatValue(RoundTo(scaledAbove2To52, 4)), "450442021689.584");
  EXPECT_EQ(RoundTo(scaledAbove2To52, 4), ParseValue("450442021689.5845"));
  for (int k = 0; k < 1000; ++k) {
    const double x = 0x1p53 / 1e4 * (1 + k * 1e-4);
    EXPECT_EQ(RoundTo(x, 4), x) << FormatValue(x);
  }
}

struct FormatCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.name; }
  double x;
  const char* expected;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, Writes) { EXPECT_EQ(FormatValue(GetParam().x), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    , FormatTest,
    testing::Values(FormatCase{"Fraction", 0.0625, "0.0625"}, FormatCase{"Whole", 16000, "16000"},
                    FormatCase{"Negative", -0.5, "-0.5"}, FormatCase{"Zero", 0, "0"},
                    FormatCase{"NegativeZero", -0.0, "0"},
                    FormatCase{"Rounded", 145.038, "145.038"},
                    FormatCase{"FifteenDigits", 0.1 + 0.2, "0.3"},
                    FormatCase{"FifteenSignificant", 123456789.123456789, "123456789.123457"},
                    FormatCase{"LargestFixed", 999999999999999, "999999999999999"},
                    FormatCase{"RoundsIntoExponentForm", 999999999999999.9, "1E+15"},
                    FormatCase{"ExponentForm", 1e15, "1E+15"},
                    FormatCase{"ExponentMantissa", 1.5e20, "1.5E+20"},
                    FormatCase{"ThreeDigitExponent", -2.5e300, "-2.5E+300"},
                    FormatCase{"SmallestFixed", 0.0001, "0.0001"},
                    FormatCase{"BelowFixed", 0.00009999, "9.999E-05"},
                    FormatCase{"Tiny", 5e-324, "4.94065645841247E-324"},
                    FormatCase{"Infinite", kInf, "Infinity"}),
    CaseName());

TEST(FormatFixedTest, WritesExactlyTheDecimalsAsked) {
  EXPECT_EQ(FormatFixed(1765.004, 2), "1765.00");
  EXPECT_EQ(FormatFixed(7.3149, 2), "7.31");
  EXPECT_EQ(FormatFixed(0.125, 2), "0.12") << "ties to even, as RoundTo";
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00") << "never -0.00";
  EXPECT_EQ(FormatFixed(2.5e20, 2), "2.5E+20");
  EXPECT_EQ(FormatFixed(kInf, 2), "Infinity");
}

TEST(FormatValueTest, ReadsBackAsItself) {
  for (const double x : {145.038, 0.1181, 705.751, 1e-5, 1.25e17, -3.75, 123456.789012345}) {
    EXPECT_EQ(ParseValue(FormatValue(x)), x) << FormatValue(x);
  }
}

}  // namespace
}  // namespace brenmor
