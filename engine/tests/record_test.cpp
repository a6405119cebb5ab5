#include "brenmor/presentation/record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"

namespace brenmor {
namespace {

struct RecordCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const RecordCase& c) { return os << c.name; }
  DesignValues design;
  std::vector<std::string> lines;  // each must stand in the record, in this order
};

class RecordTest : public testing::TestWithParam<RecordCase> {};

TEST_P(RecordTest, ShowsTheWorking) {
  const std::string record = CalculationRecord(Calculate(InBaseUnits(GetParam().design)));
  std::size_t from = 0;
  for (const std::string& line : GetParam().lines) {
    const std::size_t at = record.find(line + '\n', from);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << record;
    from = at + line.size();
  }
}

INSTANTIATE_TEST_SUITE_P(
    , RecordTest,
    testing::Values(
        RecordCase{
            "OneBarBetweenRowsFiveAndSix",
            {10 * 14.696 / 1.01325, 0.0625, 16000, 0.8, 1000},
            {"  P  design pressure       145.038243276585 psi",
             "    = 145.038243276585 / (0.0625 x 16000 x 0.8)",
             "    = 0.181297804095732 1/in, shown 0.181", "  row 5: Ft = 0.1, A = 0.922, B = 0.266",
             "  row 6: Ft = 0.2, A = 0.831, B = 0.259",
             "  Dlo = 0.922 x 1000^0.266 x 25.4 x 12 = 1765.00 mm",
             "  Dhi = 0.831 x 1000^0.259 x 25.4 x 12 = 1515.71 mm", "    = 1562.33 mm, shown 1562",
             "    = 14782.27 mm, shown 14782", "  L/D = 9.46"}},
        RecordCase{"VacuumExtrapolatedBelowRowOne",
                   {-400, 0.0625, 16000, 0.8, 1000},
                   {"    = -0.5 1/in, shown -0.5", "  row 1: Ft = 0, A = 1.09, B = 0.331",
                    "  row 2: Ft = 0.01, A = 1.094, B = 0.299",
                    "  F is below row 1: the segment of rows 1 and 2 is extended below 0",
                    "    = 35206.01 mm, shown 35206", "    = 29.11 mm, shown 29"}},
        RecordCase{"NoCorrosionAllowance",
                   {100, 0, 16000, 0.8, 1000},
                   {"    cannot be formed: C x S x E is 0", "",
                    "Refused: The correlation needs a corrosion allowance above 0"}},
        RecordCase{"BeyondTheLastRow",
                   {4000, 0.0625, 16000, 0.8, 1000},
                   {"    = 5 1/in, shown 5", "  F is above row 13, Ft = 3, the last breakpoint", "",
                    "Refused: F is above 3, beyond the sizing correlation"}},
        RecordCase{"NoVolume",
                   {100, 0.0625, 16000, 0.8, 0},
                   {"  row 6: Ft = 0.2, A = 0.831, B = 0.259", "",
                    "Refused: Vessel volume must be greater than 0"}}),
    CaseName());

}  // namespace
}  // namespace brenmor
