// Lists as spreadsheets write them, read from standard input.
#include <gtest/gtest.h>

#include "case_name.h"
#include "list_run.h"
#include "run_brenmor_size.h"

namespace {

using namespace brenmor;

struct ListCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const ListCase& c) { return os << c.name; }
  std::vector<std::string> args;  // besides --csv -
  std::string input;
  int status;
  std::string output;
};

class ListTest : public testing::TestWithParam<ListCase> {};

TEST_P(ListTest, Writes) {
  std::vector<std::string> args = {"--csv", "-"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const Ran ran = RunBrenmorSize(args, GetParam().input);
  EXPECT_EQ(ran.status, GetParam().status) << ran.err;
  EXPECT_EQ(ran.out, GetParam().output);
}

const std::string kAdded =
    "F,D_mm,L_mm,L_over_D,status,message,t_shell_mm,t_head_mm,weight_empty_kg,weight_water_kg,"
    "least_weight_D_mm,wall_message,mawp_psi,test_pressure_psi,cost_usd,cost_platforms_usd,"
    "least_cost_D_mm,cost_message";

// The note of a vessel of the defaults: its platforms' length is beyond
// the correlation's.
const std::string kLongerThan40Feet = "L = 40.8 ft is outside the vertical platforms' 12 to 40 ft";

INSTANTIATE_TEST_SUITE_P(
    , ListTest,
    testing::Values(
        ListCase{
            "ExcelWithByteOrderMarkCrlfAndQuotes",
            {},
            "\xEF\xBB\xBFTag,Service,P,C,S,E,V\r\n"
            "V-101,\"Flash drum, \"\"hot\"\"\",100,0.0625,16000,0.8,1000\r\n"
            "\r\n"
            ",,,,,,\r\n"
            "V-102, spaced ,100,0.0625,16000,1,1000\r\n",
            0,
            "\xEF\xBB\xBFTag,Service,P,C,S,E,V," + kAdded + "\r\n" +
                "V-101,\"Flash drum, \"\"hot\"\"\",100,0.0625,16000,0.8,1000,"
                "0.125,1703,12446,7.31,sized,,9.5,9.5,5481,35112,1570,,118.5,154.0,53335,20141,"
                "2225," +
                kLongerThan40Feet + "\r\n" +
                "V-102, spaced ,100,0.0625,16000,1,1000,0.1,1765,11582,6.56,sized,,7.9,7.9,4444,"
                "34222,1648,,114.4,148.8,46937,19659,2324,\r\n"},
        ListCase{"HeaderUnitsAndCellUnits",
                 {},
                 "p [BAR],C[mm],S,E,V [m^3]\n10,3,16000,0.8,20\n145.038 psi,3,16000,0.8,20 m^3\n",
                 0,
                 "p [BAR],C[mm],S,E,V [m^3]," + kAdded + "\n" +
                     "10,3,16000,0.8,20,0.096,1626,9629,5.92,sized,,12.7,12.7,5523,26649,1520,,"
                     "151.1,196.4,53587,16238,1959,\n"
                     "145.038 psi,3,16000,0.8,20 m^3,0.096,1626,9629,5.92,sized,,12.7,12.7,5523,"
                     "26649,1520,,151.1,196.4,53587,16238,1959,\n"},
        ListCase{
            "SemicolonsFromACommaLocale",
            {"--delimiter", ";", "E=0.8"},
            "Tag;P;C;S;V\nA, B;100;0.0625;16000;1000\nC;100;0,0625;16000;1000\n",
            1,
            "Tag;P;C;S;V;F;D_mm;L_mm;L_over_D;status;message;"
            "t_shell_mm;t_head_mm;weight_empty_kg;weight_water_kg;least_weight_D_mm;wall_message;"
            "mawp_psi;test_pressure_psi;cost_usd;cost_platforms_usd;least_cost_D_mm;cost_message\n"
            "A, B;100;0.0625;16000;1000;0.125;1703;12446;7.31;sized;;9.5;9.5;5481;35112;1570;;"
            "118.5;154.0;53335;20141;2225;" +
                kLongerThan40Feet + "\n" +
                "C;100;0,0625;16000;1000;;;;;error;\"C \"\"0,0625\"\" is not a number with "
                "\"\".\"\" as the decimal mark\";;;;;;;;;;;;\n"},
        ListCase{
            "DecimalCommaReadAndWritten",
            {"--decimal-comma", "E=0,85"},
            "Tag;P [bar];C;S;V\nA;10,5;0,0625;16000;1000\nB;10.5;0,0625;16000;1000\n",
            1,
            "Tag;P [bar];C;S;V;F;D_mm;L_mm;L_over_D;status;message;"
            "t_shell_mm;t_head_mm;weight_empty_kg;weight_water_kg;least_weight_D_mm;wall_message;"
            "mawp_psi;test_pressure_psi;cost_usd;cost_platforms_usd;least_cost_D_mm;cost_message\n"
            "A;10,5;0,0625;16000;1000;0,179;1568;14682;9,37;sized;;11,1;11,1;6824;36171;1449;;"
            "163,7;212,9;61089;21294;2072;L = 48.2 ft is outside the vertical platforms' 12 to 40 "
            "ft\n"
            "B;10.5;0,0625;16000;1000;;;;;error;\"P \"\"10.5\"\" is not a number with "
            "\"\",\"\" as the decimal mark\";;;;;;;;;;;;\n"},
        ListCase{
            "StrayQuoteCostsOnlyItsRow",
            {},
            "Tag,P,C,S,E,V\n\"V-1\"A,100,0.0625,16000,0.8,1000\nV-2,100,0.0625,16000,0.8,1000\n"
            "V-3,100,0.0625,16000,0.8,\"1000",
            1,
            "Tag,P,C,S,E,V," + kAdded + "\n" +
                ",,,,,,,,,,error,line 2: a quoted cell has more text after its closing "
                "quote,,,,,,,,,,,,\n"
                "V-2,100,0.0625,16000,0.8,1000,0.125,1703,12446,7.31,sized,,9.5,9.5,5481,35112,"
                "1570,,118.5,154.0,53335,20141,2225," +
                kLongerThan40Feet + "\n" +
                "V-3,100,0.0625,16000,0.8,,,,,,error,line 4: a quoted cell is not closed "
                "before the end of the list,,,,,,,,,,,,\n"},
        ListCase{
            "MalformedAndRefusedRowsKeepTheirPlace",
            {},
            "P,C,S,E,V,Note\n"
            "100,0.0625,16000,0.8\n"
            "100,0.0625,16000,0.8,1000,a,b\n"
            ",0.0625,16000,0.8,1000,empty\n"
            "inf,0.0625,16000,0.8,1000,junk\n"
            "0x10,0.0625,16000,0.8,1000,hex\n"
            "100,0.0625,16000,1.5,1000,E\n"
            "100,0,16000,0.8,1000,C\n"
            "100,0.0625,16000,0.8,1000,\"never\nclosed\n",
            1,
            "P,C,S,E,V,Note," + kAdded + "\n" +
                "100,0.0625,16000,0.8,,,,,,,error,\"line 2 has 4 fields, the header has "
                "6\",,,,,,,,,,,,\n"
                "100,0.0625,16000,0.8,1000,a,,,,,error,\"line 3 has 7 fields, the header "
                "has 6\",,,,,,,,,,,,\n"
                ",0.0625,16000,0.8,1000,empty,,,,,error,P is empty,,,,,,,,,,,,\n"
                "inf,0.0625,16000,0.8,1000,junk,,,,,error,\"P \"\"inf\"\" is not a "
                "number\",,,,,,,,,,,,\n"
                "0x10,0.0625,16000,0.8,1000,hex,,,,,error,\"P \"\"0x10\"\": x10 is not psi, "
                "bar, atm, psig, barg, kPa or MPa\",,,,,,,,,,,,\n"
                "100,0.0625,16000,1.5,1000,E,,,,,refused,E must be less than 1,,,,,,,,,,,,\n"
                "100,0,16000,0.8,1000,C,,,,,refused,The correlation needs a corrosion "
                "allowance above 0,,,,,,,,,,,,\n"
                "100,0.0625,16000,0.8,1000,,,,,,error,line 9: a quoted "
                "cell is not closed before the end of the list,,,,,,,,,,,,\n"
                "closed,,,,,,,,,,error,\"line 10 has 1 fields, the header has 6\",,,,,,,,,,,,\n"}),
    CaseName());

// The header a new user's spreadsheet has: the fields by their words, each
// with its unit in parentheses, and the units spreadsheets write.
TEST(EngineersListTest, SaysWhichColumnItTook) {
  const Ran ran = RunBrenmorSize(
      {"--csv", "-"},
      "Tag,Service,Design pressure (barg),Corrosion allowance (mm),Stress (psi),Joint "
      "efficiency,Volume (m3)\n"
      "V-101,Flash drum,10,3,16000,0.85,20\n"
      "V-102,Flash drum,1 MPa,3,16000 psi,0.85,20 m3\n"
      "V-103,KO drum,10 bara,3,16000,0.85,20\n");
  EXPECT_EQ(ran.status, 1);
  EXPECT_EQ(ran.err,
            "brenmor-size: -: columns taken: P from \"Design pressure (barg)\" in barg; C from "
            "\"Corrosion allowance (mm)\" in mm; S from \"Stress (psi)\" in psi; E from \"Joint "
            "efficiency\"; V from \"Volume (m3)\" in m3\n");
  EXPECT_NE(ran.out.find("V-101,Flash drum,10,3,16000,0.85,20,0.09,1651,9348,5.66,sized,"),
            std::string::npos)
      << ran.out;
  EXPECT_NE(ran.out.find(",0.09,1651,9348,5.66,sized,"),
            ran.out.rfind(",0.09,1651,9348,5.66,sized,"))
      << "the same vessel in psig, MPa and m3";
  EXPECT_NE(ran.out.find("error,\"P \"\"10 bara\"\": the method takes gauge pressure (psig, "
                         "barg), not bara\""),
            std::string::npos);
  EXPECT_EQ(RunBrenmorSize({"--csv", "-"}, "P,C,S,E,V\n100,0.0625,16000,0.8,1000\n").err, "")
      << "letters stay quiet";
}

// Every record's cells, as the list reader reads them.
std::vector<std::vector<std::string>> ReadCells(std::string_view text, char delimiter) {
  lists::CsvReader reader(lists::TextSource(text), delimiter);
  lists::RecordBatch batch;
  std::vector<std::vector<std::string>> rows;
  while (reader.Next(batch, 100, lists::ListSession::kBatchBytes)) {
    for (const lists::Record& record : batch.records) {
      auto& row = rows.emplace_back();
      for (std::size_t i = 0; i < record.cellCount; ++i) row.emplace_back(batch.Cell(record, i));
    }
  }
  return rows;
}

// The page sizes a list on one thread, a few rows at a time; the bytes must
// be brenmor-size's whatever the list holds, and the tab-separated copy
// must hold the same cells.
TEST(ListRunTest, WritesBrenmorSizesBytesOnOneThread) {
  const std::pair<std::vector<std::string>, std::string> lists[] = {
      {{},
       "\xEF\xBB\xBFTag,Service,P [bar],C [mm],S,E,V [m^3]\r\nV-101,Flash drum,10,3,16000,0.85,"
       "20\r\nV-102,\"Receiver, air\",8 bar,1.5,17500,0.85,2.5\r\n\r\nV-103,\"x\"y,12,0,16000,"
       "0.85,40\r\nV-104,Separator,12,0,16000,0.85,40\r\n"},
      {{"--decimal-comma"}, "Tag;P;C;S;E;V;Head\nA;10,5;0,0625;16000;0,8;1000;hemispherical\nB;1"},
      {{"--delimiter", "tab"}, "P\tC\tS\tE\tV\n10\t0\t16000\t\"0.8\"\t20\n5\t0\t0\t1\t1\n"},
      {{},
       "Design pressure (barg),Corrosion,Stress,Efficiency,Volume (m3)\n10,0.0625,16000,0.8,"
       "20\n\"never closed,1\n"}};
  for (const auto& [args, input] : lists) {
    std::vector<std::string> command = {"--csv", "-"};
    command.insert(command.end(), args.begin(), args.end());
    const Ran native = RunBrenmorSize(command, input);
    lists::RowOptions options;
    if (!args.empty()) options.delimiter = args[0] == "--decimal-comma" ? ';' : '\t';
    if (!args.empty() && args[0] == "--decimal-comma") options.mark = DecimalMark::Comma;
    lists::ListRun run(lists::TextSource(input), options);
    ASSERT_FALSE(run.Problem()) << Message(run.Problem());
    std::string csv;
    std::string tsv;
    for (bool more = true; more;) {
      more = run.Next(2);
      csv += run.Csv();
      tsv += run.Tsv();
    }
    EXPECT_EQ(csv, native.out) << input;
    EXPECT_EQ(native.status, run.Counts().rows == run.Counts().sized ? 0 : 1);
    EXPECT_EQ(run.Counts().rows, run.Counts().sized + run.Counts().refused + run.Counts().errors);
    const std::string_view unmarked =
        std::string_view(csv).substr(csv.starts_with("\xEF\xBB\xBF") ? 3 : 0);
    EXPECT_EQ(ReadCells(tsv, '\t'), ReadCells(unmarked, options.delimiter)) << input;
  }
}

struct BadListCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const BadListCase& c) { return os << c.name; }
  std::vector<std::string> args;
  std::string input;
  const char* says;
};

// The cells say what is wrong in the engine's words; brenmor-size adds,
// once, what to give it.
TEST(DecimalCommaHintTest, SaysOnceWhichOptionReadsThem) {
  const Ran ran = RunBrenmorSize({"--csv", "-"}, "P,C,S,E,V\n\"10,5\",3,1,1,1\n\"1,5\",3,1,1,1\n");
  EXPECT_EQ(ran.status, 1);
  EXPECT_EQ(ran.err,
            "brenmor-size: -: 2 rows have a number with a decimal comma; give --decimal-comma "
            "to read them\n");
}

class BadListTest : public testing::TestWithParam<BadListCase> {};

TEST_P(BadListTest, IsAUsageError) {
  std::vector<std::string> args = {"--csv", "-"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const Ran ran = RunBrenmorSize(args, GetParam().input);
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.out, "");
  EXPECT_EQ(ran.err, std::string("brenmor-size: -: ") + GetParam().says + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    , BadListTest,
    testing::Values(
        BadListCase{"Empty", {}, "\n\n", "the list has no header line"},
        BadListCase{"TwoHeadColumns", {}, "P,C,S,E,V,Head,head\n", "two columns are head"},
        BadListCase{"MissingColumn",
                    {},
                    "P,C,S,E\n",
                    "the list has no column V; add one, or give V=VALUE for every row"},
        BadListCase{"GivenTwice",
                    {"E=0.8"},
                    "P,C,S,E,V\n",
                    "E is both a column of the list and given for every row"},
        BadListCase{"UnitOffTheList",
                    {},
                    "P [Pa],C,S,E,V\n",
                    "column \"P [Pa]\": Pa is not psi, bar, atm, psig, barg, kPa or MPa"},
        BadListCase{
            "TwoColumnsForOneValue", {}, "P,C,S,E,V,p\n", "columns \"P\" and \"p\" are both P"}),
    CaseName());

// Many rows, some spanning lines, read in many batches: every row comes out,
// in order, and a row deep in the list knows its line.
TEST(LongListTest, KeepsEveryRowAndItsLine) {
  constexpr int kRows = 5000;
  std::string input = "Tag,P,C,S,E,V\n";
  int line = 1;
  int spanning = 0;
  for (int i = 0; i < kRows; ++i) {
    const bool twoLines = i % 7 == 0;
    input += (twoLines ? "\"V-" + std::to_string(i) + "\nspare\"" : "V-" + std::to_string(i)) +
             ",100,0.0625,16000,0.8,1000\n";
    line += twoLines ? 2 : 1;
    spanning += twoLines ? 1 : 0;
  }
  input += "short,1\n";
  const Ran ran = RunBrenmorSize({"--csv", "-"}, input);
  EXPECT_EQ(ran.status, 1);
  EXPECT_EQ(std::count(ran.out.begin(), ran.out.end(), '\n'), 1 + kRows + spanning + 1);
  EXPECT_NE(ran.out.find("\"V-4998\nspare\",100,0.0625,16000,0.8,1000,0.125,1703,12446,7.31,sized,,"
                         "9.5,9.5,5481,35112,1570,,118.5,154.0,53335,20141,2225,"),
            std::string::npos);
  EXPECT_TRUE(ran.out.ends_with("error,\"line " + std::to_string(line + 1) +
                                " has 2 fields, the header has 6\",,,,,,,,,,,,\n"))
      << ran.out.substr(ran.out.size() - 200);
}

}  // namespace
