#include "brenmor/numbers/number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace brenmor {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string_view TrimBlanks(std::string_view text) {
  const auto trimmed = [](char c) { return IsBlank(c) || c == '\r'; };
  while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The number's prefix, normalised for fast_float: no "+", no blanks,
// "e" as the exponent letter and at least one mantissa digit.
struct NumberPrefix {
  bool negative = false;
  std::string mantissa;  // digits with at most one "."
  std::string exponent;  // optional sign and digits, empty when absent
  int digitCount = 0;    // mantissa digits, the "." not counted
  std::size_t end = 0;   // where reading stopped in the text
};

class PrefixReader {
 public:
  explicit PrefixReader(std::string_view text) : text_(text) {}

  NumberPrefix Read() {
    NumberPrefix n;
    if (Peek() == '+' || Peek() == '-') n.negative = Take() == '-';
    bool seenPoint = false;
    while (IsDigit(Peek()) || (Peek() == '.' && !seenPoint)) {
      const char c = Take();
      seenPoint = seenPoint || c == '.';
      n.digitCount += IsDigit(c) ? 1 : 0;
      n.mantissa += c;
    }
    if (n.digitCount > 0 && IsExponentLetter(Peek())) ReadExponent(n);
    n.end = pos_;
    return n;
  }

 private:
  // An exponent counts only with at least one digit; "1.5E" and "1.5E+"
  // read as 1.5.
  void ReadExponent(NumberPrefix& n) {
    const std::size_t start = pos_;
    Take();
    std::string exponent;
    if (Peek() == '+' || Peek() == '-') exponent += Take();
    const std::size_t signLength = exponent.size();
    while (IsDigit(Peek())) exponent += Take();
    if (exponent.size() == signLength) {
      pos_ = start;
      return;
    }
    n.exponent = std::move(exponent);
  }

  // The next character that is not a blank, or NUL at the end.
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  char Take() {
    const char c = Peek();
    ++pos_;
    return c;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Most numbers are written plainly, as digits with at most one point and
// perhaps a minus: read in place, without the general reader's copying.
// Nothing when the text needs the general reader.
std::optional<NumberRead> ReadPlainNumber(std::string_view text) {
  const std::size_t sign = !text.empty() && text.front() == '-' ? 1 : 0;
  std::size_t end = sign;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (IsDigit(c)) {
      seenDigit = true;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  // A blank or an exponent letter could carry the number on.
  if (!seenDigit || (end < text.size() && (IsBlank(text[end]) || IsExponentLetter(text[end])))) {
    return std::nullopt;
  }
  double value = 0;
  const auto [last, error] = fast_float::from_chars(text.data(), text.data() + end, value);
  if (error != std::errc() || last != text.data() + end) return std::nullopt;
  return NumberRead{value == 0 ? 0.0 : value, end};
}

}  // namespace

NumberRead ReadNumber(std::string_view text) {
  if (const std::optional<NumberRead> plain = ReadPlainNumber(text)) return *plain;
  const NumberPrefix n = PrefixReader(text).Read();
  if (n.digitCount == 0) return {0.0, 0};
  const std::string number = n.exponent.empty() ? n.mantissa : n.mantissa + 'e' + n.exponent;
  // Beyond the double range fast_float gives infinity, and 0 below it.
  double value = 0.0;
  fast_float::from_chars(number.data(), number.data() + number.size(), value);
  if (value == 0.0) return {0.0, n.end};  // never -0
  return {n.negative ? -value : value, n.end};
}

double ParseValue(std::string_view text) { return ReadNumber(text).value; }

namespace {

// 10^decimals: exact from a table for the decimals the window and the lists
// use, without a pow call on every number.
double PowerOfTen(int decimals) {
  static constexpr std::array<double, 8> kScales = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
  return decimals >= 0 && decimals < static_cast<int>(kScales.size())
             ? kScales[static_cast<std::size_t>(decimals)]
             : std::pow(10.0, decimals);
}

// x rounded to a whole number, ties to even, as nearbyint rounds in the
// default mode, but without saving and restoring the floating-point
// environment on every call, which made it the dearest step of writing a
// number. Below 2^52 adding 2^52 leaves no bits below the units, so the
// addition itself rounds; from 2^52 up every double is whole already.
double RoundHalfEven(double x) {
  constexpr double kUnitsOnly = 0x1p52;
  if (!(std::fabs(x) < kUnitsOnly)) return x;
  const double shift = std::copysign(kUnitsOnly, x);
  return std::copysign((x + shift) - shift, x);
}

}  // namespace

double RoundTo(double x, int decimals) {
  const double scale = PowerOfTen(decimals);
  const double scaled = x * scale;
  // From 2^53 up the doubles around x lie farther apart than 10^-decimals:
  // x is as rounded as it can be, and scaling back could only lose bits (or
  // overflow).
  if (!(std::fabs(scaled) < 0x1p53)) return x;
  return RoundHalfEven(scaled) / scale;
}

namespace {

constexpr int kSignificantDigits = 15;

// The significant digits of |x| rounded to 15, trailing zeros dropped, and
// its decimal exponent: 1702.68 is "170268" and 3.
struct Decimal {
  std::array<char, kSignificantDigits> digits{};
  int count = 0;  // digits that count, at least 1
  int exponent = 0;
};

// The shortest digits that read back as the number (fmt's "{}", written as
// "145.038", "0.0001" or "1.5e-05"), when there are at most 15 of them: a
// normal double lies within half an ulp of them, closer than half a step of
// the fifteenth digit, so they are its rounding to 15 digits. Far quicker
// than rounding the exact expansion. Subnormals have fewer digits of
// precision than that, and are rounded exactly.
std::optional<Decimal> ShortestDecimal(double magnitude) {
  if (magnitude < std::numeric_limits<double>::min()) return std::nullopt;
  std::array<char, 32> buffer{};
  const char* const end =
      fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{}"), magnitude).out;
  Decimal d;
  int whole = 0;            // digits before the point, leading zeros not counted
  int zerosAfterPoint = 0;  // in 0.000dd…
  bool seenPoint = false;
  const char* c = buffer.data();
  for (; c < end && *c != 'e'; ++c) {
    if (*c == '.') {
      seenPoint = true;
    } else if (d.count == 0 && *c == '0') {
      zerosAfterPoint += seenPoint ? 1 : 0;
    } else if (d.count == kSignificantDigits) {
      return std::nullopt;
    } else {
      d.digits[static_cast<std::size_t>(d.count++)] = *c;
      whole += seenPoint ? 0 : 1;
    }
  }
  if (c < end) std::from_chars(c + (c[1] == '+' ? 2 : 1), end, d.exponent);
  d.exponent += whole > 0 ? whole - 1 : -zerosAfterPoint - 1;
  while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') --d.count;
  return d;
}

Decimal ToDecimal(double magnitude) {
  if (const std::optional<Decimal> shortest = ShortestDecimal(magnitude)) return *shortest;
  std::array<char, 32> buffer{};
  const auto result =
      fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{:.14e}"), magnitude);
  // Always "d.dddddddddddddde+XX": one digit, the point, 14 digits, the exponent.
  const char* const exponent = buffer.data() + kSignificantDigits + 2;
  Decimal d;
  d.digits[0] = buffer[0];
  std::copy_n(buffer.data() + 2, kSignificantDigits - 1, d.digits.data() + 1);
  d.count = kSignificantDigits;
  while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') --d.count;
  std::from_chars(exponent + (*exponent == '+' ? 1 : 0), result.out, d.exponent);
  return d;
}

void AppendDigits(std::string& text, const Decimal& d, int from, int to) {
  text.append(d.digits.data() + from, static_cast<std::size_t>(to - from));
}

void AppendExponentForm(std::string& text, const Decimal& d) {
  AppendDigits(text, d, 0, 1);
  if (d.count > 1) {
    text += '.';
    AppendDigits(text, d, 1, d.count);
  }
  const int magnitude = std::abs(d.exponent);
  text += d.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) text += '0';
  text += fmt::format(FMT_COMPILE("{}"), magnitude);
}

void AppendFixedForm(std::string& text, const Decimal& d) {
  if (d.exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    AppendDigits(text, d, 0, d.count);
    return;
  }
  const int whole = d.exponent + 1;
  AppendDigits(text, d, 0, std::min(whole, d.count));
  text.append(static_cast<std::size_t>(std::max(0, whole - d.count)), '0');
  if (d.count > whole) {
    text += '.';
    AppendDigits(text, d, whole, d.count);
  }
}

}  // namespace

std::string FormatValue(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
  if (x == 0.0) return "0";
  // A whole number below 1E15 has at most 15 digits: written as it is. This
  // is what every diameter and length is.
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
    std::array<char, 24> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<long long>(x));
    return {digits.data(), end.ptr};
  }
  const Decimal d = ToDecimal(std::fabs(x));
  std::string text;  // short enough to stay within the string itself
  if (x < 0) text += '-';
  if (d.exponent >= kSignificantDigits || d.exponent < -4) {
    AppendExponentForm(text, d);
  } else {
    AppendFixedForm(text, d);
  }
  return text;
}

namespace {

// "00" to "99": two digits a division, as fmt writes integers.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// |steps| x 10^-places written with `places` decimals, a minus before it when
// `negative`, and with `trimmed` its trailing zeros dropped (the point with
// them when none is left). `steps` below 2^53 has at most 16 digits.
std::string StepsText(bool negative, long long steps, std::size_t places, bool trimmed) {
  // The digits, written from the right two at a time, with zeros before
  // them so that one stands left of the point.
  std::array<char, 48> digits{};
  char* const last = digits.data() + digits.size();
  char* first = last;
  auto rest = static_cast<unsigned long long>(steps);
  while (rest >= 100) {
    first -= 2;
    std::memcpy(first, &kDigitPairs[2 * (rest % 100)], 2);
    rest /= 100;
  }
  if (rest >= 10) {
    first -= 2;
    std::memcpy(first, &kDigitPairs[2 * rest], 2);
  } else {
    *--first = static_cast<char>('0' + rest);
  }
  while (static_cast<std::size_t>(last - first) < places + 1) *--first = '0';
  // Then the point set in, trailing zeros dropped when asked, and the sign.
  const std::size_t whole = static_cast<std::size_t>(last - first) - places;
  std::size_t decimals = places;
  while (trimmed && decimals > 0 && first[whole + decimals - 1] == '0') --decimals;
  // Byte by byte into the string itself, which holds so few in place.
  std::string text((negative && steps != 0 ? 1 : 0) + whole + (decimals > 0 ? decimals + 1 : 0),
                   '-');
  char* out = text.data() + (negative && steps != 0 ? 1 : 0);
  for (std::size_t i = 0; i < whole; ++i) *out++ = first[i];
  if (decimals > 0) {
    *out++ = '.';
    for (std::size_t i = 0; i < decimals; ++i) *out++ = first[whole + i];
  }
  return text;
}

// The steps of 10^-decimals in |rounded|, when they can be counted exactly
// and the text of FormatValue would be those steps written out: below 1E15
// and from 0.0001 up (where it writes no exponent), and with at most 15
// significant digits, which no shorter decimal shares with the double.
std::optional<long long> Steps(double rounded, int decimals, bool asFormatValue) {
  if (decimals < 0 || decimals > kSignificantDigits) return std::nullopt;
  const double magnitude = std::fabs(rounded);
  const double scaled = magnitude * PowerOfTen(decimals);
  if (!(magnitude < 1e15) || !(scaled < 0x1p53)) return std::nullopt;
  if (asFormatValue && (magnitude < 1e-4 || scaled >= 1e15)) return std::nullopt;
  return static_cast<long long>(RoundHalfEven(scaled));
}

}  // namespace

// The number of steps of 10^-decimals is the text, the point set in: no
// search for the shortest digits, which a list pays for on every figure.
std::string FormatRounded(double x, int decimals) {
  const double rounded = RoundTo(x, decimals);
  if (rounded == 0) return "0";
  if (const std::optional<long long> steps = Steps(rounded, decimals, true)) {
    return StepsText(rounded < 0, *steps, static_cast<std::size_t>(decimals), true);
  }
  return FormatValue(rounded);
}

std::string WithDecimalMark(std::string text, DecimalMark mark) {
  if (mark == DecimalMark::Comma) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string FormatFixed(double x, int decimals) {
  // The steps of 10^-decimals in |x|, rounded as RoundTo rounds, are the
  // steps of RoundTo's value: counted straight from x, with no division.
  if (decimals >= 0 && decimals <= kSignificantDigits) {
    const double scaled = std::fabs(x) * PowerOfTen(decimals);
    if (scaled < 0x1p53 && std::fabs(x) < 1e15) {
      return StepsText(x < 0, static_cast<long long>(RoundHalfEven(scaled)),
                       static_cast<std::size_t>(decimals), false);
    }
  }
  const double rounded = RoundTo(x, decimals);
  if (!(std::fabs(rounded) < 1e15) || decimals < 0) return FormatValue(rounded);
  return fmt::format(FMT_COMPILE("{:.{}f}"), rounded, decimals);  // steps no double can count
}

}  // namespace brenmor
