#include "brenmor/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace brenmor {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The number's prefix, normalised for std::from_chars: no "+", no blanks,
// "e" as the exponent letter and at least one mantissa digit.
struct NumberPrefix {
  bool negative = false;
  std::string mantissa;  // digits with at most one "."
  std::string exponent;  // optional sign and digits, empty when absent
  int digitCount = 0;    // mantissa digits, the "." not counted
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

// from_chars reports a number beyond the double range without a value; its
// decimal magnitude tells an overflow from an underflow.
bool Overflows(const NumberPrefix& n) {
  long long magnitude = 0;  // position of the leading significant digit
  bool seenPoint = false;
  bool seenSignificant = false;
  for (const char c : n.mantissa) {
    if (c == '.') {
      seenPoint = true;
    } else if (c != '0' || seenSignificant) {
      seenSignificant = true;
      if (!seenPoint) ++magnitude;
    } else if (seenPoint) {
      --magnitude;
    }
  }
  // Saturate: an exponent of any length only needs its sign and size.
  long long exponent = 0;
  for (const char c : n.exponent) {
    if (IsDigit(c) && exponent < 1'000'000) exponent = exponent * 10 + (c - '0');
  }
  if (!n.exponent.empty() && n.exponent.front() == '-') exponent = -exponent;
  return magnitude + exponent > 0;
}

}  // namespace

double ParseValue(std::string_view text) {
  const NumberPrefix n = PrefixReader(text).Read();
  if (n.digitCount == 0) return 0.0;
  const std::string number = n.exponent.empty() ? n.mantissa : n.mantissa + 'e' + n.exponent;
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = Overflows(n) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (value == 0.0) return 0.0;  // never -0
  return n.negative ? -value : value;
}

double RoundTo(double x, int decimals) {
  // Exact powers of ten for the decimals the window uses, without a pow call.
  static constexpr std::array<double, 8> kScales = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
  const double scale = decimals >= 0 && decimals < static_cast<int>(kScales.size())
                           ? kScales[static_cast<std::size_t>(decimals)]
                           : std::pow(10.0, decimals);
  const double scaled = x * scale;
  // From 2^53 up the doubles around x lie farther apart than 10^-decimals:
  // x is as rounded as it can be, and scaling back could only lose bits (or
  // overflow).
  if (!(std::fabs(scaled) < 0x1p53)) return x;
  return std::nearbyint(scaled) / scale;
}

namespace {

constexpr int kSignificantDigits = 15;

// Digits "d.dddddddddddddd" and the decimal exponent of |x|, rounded to 15
// significant digits.
struct Decimal {
  std::string digits;  // 15 digits, no point
  int exponent = 0;
};

Decimal ToDecimal(double magnitude) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  // Always "d.dddddddddddddde+XX": one digit, the point, 14 digits, the exponent.
  const char* const exponent = buffer.data() + kSignificantDigits + 2;
  Decimal d;
  d.digits.reserve(kSignificantDigits);
  d.digits.push_back(buffer[0]);
  d.digits.append(buffer.data() + 2, kSignificantDigits - 1);
  std::from_chars(exponent + (*exponent == '+' ? 1 : 0), result.ptr, d.exponent);
  return d;
}

void DropTrailingZeros(std::string& digits) {
  const std::size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 0 : last + 1);
}

std::string ExponentForm(Decimal d) {
  DropTrailingZeros(d.digits);
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += '.' + d.digits.substr(1);
  const int magnitude = std::abs(d.exponent);
  text += d.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

std::string FixedForm(const Decimal& d) {
  std::string whole = "0";
  std::string fraction;
  if (d.exponent >= 0) {
    whole = d.digits.substr(0, d.exponent + 1);
    fraction = d.digits.substr(d.exponent + 1);
  } else {
    fraction = std::string(-d.exponent - 1, '0') + d.digits;
  }
  DropTrailingZeros(fraction);
  return fraction.empty() ? whole : whole + '.' + fraction;
}

}  // namespace

std::string FormatValue(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
  if (x == 0.0) return "0";
  const Decimal d = ToDecimal(std::fabs(x));
  const bool exponentForm = d.exponent >= kSignificantDigits || d.exponent < -4;
  const std::string text = exponentForm ? ExponentForm(d) : FixedForm(d);
  return x < 0 ? '-' + text : text;
}

}  // namespace brenmor
