// What the page's list section says, and the choices it offers, kept with
// the list's own rules so that every front end words a list alike.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "brenmor/design/quantity.h"
#include "list_session.h"

namespace brenmor::lists {

struct ListTexts {
  std::string_view title = "Size a list";
  std::string_view paste = "Cells pasted from a spreadsheet, or a list with its header line";
  std::string_view sizeList = "Size list";
  std::string_view openFile = "Open a list (.csv, .tsv or .txt), or drop one on this section";
  std::string_view decimalComma = "Decimal comma";
  std::string_view delimiter = "Delimiter";
  std::string_view cancel = "Cancel";
  std::string_view copy = "Copy results";
  std::string_view download = "Download CSV";
  std::string_view line = "Line in the list";
  std::string_view lineHelp =
      "Where the row begins in the list as it was read, the header being line 1";
  std::string_view results = "Sized list";
  std::string_view copyFailed = "The results could not be copied to the clipboard";
  std::string_view pastedNotShown =
      "The cells pasted are too many to show here; they are sized below";
  std::string_view commaWithDecimalComma =
      "A list with a decimal comma needs a delimiter other than the comma";
};
inline constexpr ListTexts kListTexts;

// Characters of pasted cells beyond which they are sized without being put
// in the text box: a browser lays out a box of a hundred thousand rows for
// seconds.
inline constexpr std::size_t kLargestPasteShown = std::size_t{1} << 20;

// The delimiters the page offers. Automatic is a tab for cells pasted from
// a spreadsheet, which is what they paste as, and for a file what
// brenmor-size takes by default.
enum class DelimiterChoice { Automatic, Comma, Semicolon, Tab };
inline constexpr std::array kDelimiterChoices = {DelimiterChoice::Automatic, DelimiterChoice::Comma,
                                                 DelimiterChoice::Semicolon, DelimiterChoice::Tab};

std::string_view Caption(DelimiterChoice choice);

// The delimiter a list is read with; none when it would clash with the
// decimal mark.
std::optional<char> DelimiterOf(DelimiterChoice choice, DecimalMark mark, bool pasted);

// "1,000 rows: 996 sized, 2 refused, 2 errors".
std::string CountsText(const RowCounts& counts);

// The same for a list stopped before its end: "Stopped after 1,000 rows: …".
std::string StoppedText(const RowCounts& counts);

// Why the whole list cannot be sized, as one sentence, with what the
// section offers to mend it.
std::string CannotSizeText(const ListProblem& problem);

// How to read rows whose numbers have a decimal comma, when some had;
// empty when none had.
std::string CommaDecimalText(const RowCounts& counts);

// Which column was taken for each field, as one sentence.
std::string ColumnsText(std::string_view taken);

// What the table leaves out, or nothing when it shows every row.
std::string LeftOutText(std::uint64_t rows);

// The name a sized list is saved under: "plant.csv" gives "plant-sized.csv",
// cells pasted (no name) "list-sized.csv".
std::string SizedName(std::string_view inputName);

}  // namespace brenmor::lists
