// Reading, rounding and writing numbers exactly as the boxes of the window
// show them. These three rules decide every digit a user sees.
#pragma once

#include <string>
#include <string_view>

namespace brenmor {

// A blank is what a number may hold anywhere without ending: a space, a tab
// or a line feed.
bool IsBlank(char c);

// `text` without the blanks and carriage returns around it.
std::string_view TrimBlanks(std::string_view text);

// Whether two names are the same but for the case of their ASCII letters:
// units, options and column names are read in any case.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Reads the number at the start of `text`. Blanks, tabs and line feeds are
// dropped wherever they stand; then an optional sign, digits with at most one
// "." and an optional exponent (E or D) are read as far as they go. A text
// with no number reads as 0. Never fails: a number beyond the double range
// reads as +/-infinity, one too small to represent as 0. Locale-independent.
double ParseValue(std::string_view text);

// ParseValue's number and how far it read: `length` is 0 when the text has
// no number at its start, and otherwise the count of characters up to the
// first that cannot continue the number (blanks inside are passed over).
struct NumberRead {
  double value = 0;
  std::size_t length = 0;
};
NumberRead ReadNumber(std::string_view text);

// `x` rounded to `decimals` places, ties to even.
double RoundTo(double x, int decimals);

// Writes `x` with at most 15 significant digits, trailing zeros dropped, "."
// as the decimal separator, and exponent form (1.5E-05, 1E+15) below 0.0001
// and from 1E15 up. Zero, whatever its sign, is "0". Non-finite values have no
// number text and are written "NaN", "Infinity" or "-Infinity".
std::string FormatValue(double x);

// FormatValue(RoundTo(x, decimals)): a value as a box shows it.
std::string FormatRounded(double x, int decimals);

// `x` rounded to `decimals` places as RoundTo does, written with exactly that
// many decimals ("1765.00", "7.31") and "." as the separator. From 1E15 up,
// where fixed digits would run on, and for non-finite values, FormatValue's
// text of the rounded value.
std::string FormatFixed(double x, int decimals);

// The character between a number's whole part and its decimals. The boxes
// always use the point; lists from comma-decimal spreadsheets use the comma.
enum class DecimalMark {
  Point,  // 10.5
  Comma,  // 10,5
};

// A number text of FormatValue or FormatFixed written with `mark`.
std::string WithDecimalMark(std::string text, DecimalMark mark);

}  // namespace brenmor
