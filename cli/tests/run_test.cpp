// One design from the command line: the summary, JSON, the record, the
// exit statuses and the usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "brenmor/calculation/figures.h"
#include "case_name.h"
#include "run_brenmor_size.h"

namespace {

struct DesignCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const DesignCase& c) { return os << c.name; }
  std::vector<std::string> args;
  int status;
  std::vector<std::string> lines;  // each stands in the summary
};

class OneDesignTest : public testing::TestWithParam<DesignCase> {};

TEST_P(OneDesignTest, Summary) {
  const Ran ran = RunBrenmorSize(GetParam().args);
  EXPECT_EQ(ran.status, GetParam().status) << ran.err;
  EXPECT_EQ(ran.err, "");
  for (const std::string& line : GetParam().lines) {
    EXPECT_NE(ran.out.find(line + '\n'), std::string::npos) << line << " not in\n" << ran.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    , OneDesignTest,
    testing::Values(
        DesignCase{"Defaults",
                   {},
                   0,
                   {"P    100 psi", "E    0.8", "F    0.125 1/in", "D    1703 mm", "L    12446 mm",
                    "L/D  7.31"}},
        DesignCase{"TenBar",
                   {"P=10bar"},
                   0,
                   {"P    145.038 psi", "F    0.181 1/in", "D    1562 mm", "L    14782 mm"}},
        DesignCase{"Atmospheres", {"P=10 atm"}, 0, {"P    146.96 psi"}},
        DesignCase{"Millimetres", {"c=3mm"}, 0, {"C    0.1181 in"}},
        DesignCase{"StressInBar", {"S=1103.2bar"}, 0, {"S    16000.619 psi"}},
        DesignCase{"StressInAtm", {"S=1088.5ATM"}, 0, {"S    15996.596 psi"}},
        DesignCase{"CubicMetres", {"V=20m^3"}, 0, {"V    705.751 ft^3", "D    1553 mm"}},
        DesignCase{"CubicFeet", {"V=500ft^3"}, 0, {"V    500 ft^3"}},
        DesignCase{"EAboveOne", {"E=1.5"}, 1, {"E    refused", "Refused: E must be less than 1"}},
        DesignCase{"OutOfRange", {"P=1E400"}, 1, {"Refused: Design pressure is out of range"}},
        DesignCase{"NoCorrosionAllowance",
                   {"C=0"},
                   1,
                   {"Refused: The correlation needs a corrosion allowance above 0"}},
        DesignCase{"DecimalComma",
                   {"--decimal-comma", "P=10,5bar", "E=0,85"},
                   0,
                   {"P    152,29 psi", "E    0,85", "F    0,179 1/in", "L/D  9,37"}},
        DesignCase{"BeyondTheCorrelation",
                   {"P=4000"},
                   1,
                   {"F    5 1/in", "Refused: F is above 3, beyond the sizing correlation"}}),
    CaseName());

struct UsageCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const UsageCase& c) { return os << c.name; }
  std::vector<std::string> args;
  const char* says;
};

class UsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, FailsInOneLine) {
  const Ran ran = RunBrenmorSize(GetParam().args);
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.out, "");
  EXPECT_TRUE(ran.err.starts_with("brenmor-size: ")) << ran.err;
  EXPECT_NE(ran.err.find(GetParam().says), std::string::npos) << ran.err;
  EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
}

INSTANTIATE_TEST_SUITE_P(
    , UsageTest,
    testing::Values(
        UsageCase{"UnknownOption", {"--bogus"}, "--bogus"},
        UsageCase{"UnknownValue", {"X=1"}, "\"X=1\" is not one of P=, C=, S=, E= or V="},
        UsageCase{"NotANumber", {"P=abc"}, "P \"abc\" is not a number"},
        UsageCase{"CommaDecimal",
                  {"C=1,5"},
                  "C \"1,5\" is not a number with \".\" as the decimal mark; if \",\" is its "
                  "decimal mark, give --decimal-comma"},
        UsageCase{"UnitOffTheList",
                  {"P=10Pa"},
                  "P \"10Pa\": Pa is not psi, bar, atm, psig, barg, kPa or MPa"},
        UsageCase{"EHasNoUnit", {"E=0.8bar"}, "E \"0.8bar\": E has no unit"},
        UsageCase{"GivenTwice", {"P=1", "p=2"}, "P is given twice"},
        UsageCase{"JsonForAList", {"--csv", "-", "--json"}, "for one design, not a list"},
        UsageCase{"DelimiterWithoutAList", {"--delimiter", ";"}, "--delimiter is for a list"},
        UsageCase{"NoSuchList", {"--csv", "/nonexistent/list.csv"}, "No such file"},
        UsageCase{"PointWithDecimalComma",
                  {"--decimal-comma", "C=1.5"},
                  "C \"1.5\" is not a number with \",\" as the decimal mark"},
        UsageCase{"CommaDelimiterWithDecimalComma",
                  {"--csv", "-", "--decimal-comma", "--delimiter", ","},
                  "--decimal-comma needs a delimiter other than ','"},
        UsageCase{"ReadErrorNamesTheList", {"--csv", "/"}, "/: Is a directory"},
        UsageCase{"UnknownHead",
                  {"--head", "flat"},
                  "--head flat is not ellipsoidal, hemispherical or torispherical"},
        UsageCase{"UnknownPlateStep", {"--plate-step", "2mm"}, "--plate-step 2mm is not 1/16in or"},
        UsageCase{"NoDensity", {"--density", "0"}, "--density \"0\": The density must be a"},
        UsageCase{"DensityWithAUnit", {"--density", "7850kg"}, "--density \"7850kg\""},
        UsageCase{
            "OutputInNoFolder", {"-o", "/nonexistent/out.csv"}, "/nonexistent/out.csv: No such"}),
    CaseName());

TEST(JsonTest, HasTheFieldsOfAListRow) {
  const Ran ran = RunBrenmorSize({"--json", "--explain", "P=10bar"});
  ASSERT_EQ(ran.status, 0);
  const nlohmann::json design = nlohmann::json::parse(ran.out);
  EXPECT_EQ(design["P"], 10 * 14.696 / 1.01325);
  EXPECT_EQ(design["V"], 1000.0);
  EXPECT_EQ(design["F"], 0.181);
  EXPECT_EQ(design["D_mm"], 1562);
  EXPECT_EQ(design["L_mm"], 14782);
  EXPECT_EQ(design["L_over_D"], 9.46);
  EXPECT_EQ(design["status"], "sized");
  EXPECT_EQ(design["message"], "");
  EXPECT_NE(design["record"].get<std::string>().find("Vessel factor"), std::string::npos);

  const nlohmann::json refused = nlohmann::json::parse(RunBrenmorSize({"--json", "E=2"}).out);
  EXPECT_TRUE(refused["E"].is_null());
  EXPECT_TRUE(refused["D_mm"].is_null());
  EXPECT_EQ(refused["status"], "refused");
  EXPECT_EQ(refused["message"], "E must be less than 1");
  EXPECT_TRUE(refused["t_shell_mm"].is_null());
  EXPECT_EQ(refused["wall_message"], "");
}

// The wall's options reach the engine; a refused wall leaves D and L sized.
TEST(JsonTest, HasTheWallAndWeight) {
  const auto run = [](std::vector<std::string> args) {
    args.insert(args.begin(), "--json");
    return nlohmann::json::parse(RunBrenmorSize(args).out);
  };
  const nlohmann::json steel = run({"P=300", "C=0.125", "S=17000", "E=1", "V=1500"});
  EXPECT_EQ(steel["t_shell_mm"], 20.6);
  EXPECT_EQ(steel["weight_empty_kg"], 16287);
  EXPECT_EQ(steel["least_weight_D_mm"], 1701);
  const nlohmann::json options = run({"P=300", "C=0.125", "S=17000", "E=1", "V=1500", "--head",
                                      "hemispherical", "--plate-step", "1mm", "--density", "8000"});
  EXPECT_EQ(options["t_shell_mm"], 20.0);
  EXPECT_EQ(options["t_head_mm"], 12.0);
  EXPECT_EQ(options["weight_empty_kg"], 15912) << "15614 kg at 7850 kg/m^3, times 8000 / 7850";
  const nlohmann::json thick = run({"P=500", "C=1", "S=1000", "E=1"});
  EXPECT_EQ(thick["status"], "sized");
  EXPECT_EQ(thick["D_mm"], 1256);
  EXPECT_TRUE(thick["weight_water_kg"].is_null());
  EXPECT_EQ(thick["wall_message"], "P is above 0.385 S E, where the thin-wall shell formulas end");
}

// Every figure of the engine's table is a field of the JSON, a column of a
// sized list and a line of the summary.
TEST(FigureTableTest, EveryFigureIsInTheJsonTheListAndTheSummary) {
  const nlohmann::json json = nlohmann::json::parse(RunBrenmorSize({"--json"}).out);
  const std::string header = RunBrenmorSize({"--csv", "-"}, "P,C,S,E,V\n1,1,1,1,1\n").out;
  const std::string summary = RunBrenmorSize({}).out;
  for (const brenmor::Figure figure : brenmor::kFigures) {
    const brenmor::FigureInfo& info = brenmor::Info(figure);
    const std::string name(info.name);
    ASSERT_TRUE(json.contains(name)) << name;
    EXPECT_TRUE(json[name].is_number()) << name;
    EXPECT_NE(header.find(',' + name + ','), std::string::npos) << name;
    const std::string shown =
        info.group == brenmor::Group::Size ? std::string(info.label) : std::string(info.caption);
    EXPECT_NE(summary.find(shown + ' '), std::string::npos) << shown;
  }
}

TEST(HelpTest, HelpAndVersionSucceed) {
  EXPECT_EQ(RunBrenmorSize({"--version"}).out, "brenmor-size 1.00\n");
  const Ran help = RunBrenmorSize({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--csv FILE"), std::string::npos);
  // A newcomer typing P=10 must learn from --help that it means psi.
  for (const char* line : {"P=10 is 10 psi",
                           "  P  design pressure: psi (base), bar, atm, psig, barg, kPa, MPa; "
                           "default 100 psi",
                           "  E  joint efficiency: no unit; default 0.8",
                           "  V  vessel volume: ft^3 (base), m^3, m3, ft3; default 1000 ft^3"}) {
    EXPECT_NE(help.out.find(line), std::string::npos) << line << " not in\n" << help.out;
  }
}

// -o leaves either the whole result or no file at all.
TEST(OutputFileTest, AppearsOnlyWhole) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "brenmor-size-test";
  std::filesystem::create_directories(dir);
  const std::string list = (dir / "list.csv").string();
  const std::string out = (dir / "sized.csv").string();
  std::ofstream(list) << "Tag,P,C,S,V\nA,100,0.0625,16000,1000\n";

  Ran ran = RunBrenmorSize({"--csv", list, "-o", out});
  EXPECT_EQ(ran.status, 2) << "E has neither a column nor a value";
  EXPECT_FALSE(std::filesystem::exists(out));

  ran = RunBrenmorSize({"--csv", list, "-o", out, "E=0.8"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  std::ifstream written(out);
  const std::string text{std::istreambuf_iterator<char>(written), {}};
  EXPECT_EQ(text,
            "Tag,P,C,S,V,F,D_mm,L_mm,L_over_D,status,message,t_shell_mm,t_head_mm,"
            "weight_empty_kg,weight_water_kg,least_weight_D_mm,wall_message,mawp_psi,"
            "test_pressure_psi,cost_usd,cost_platforms_usd,least_cost_D_mm,cost_message\n"
            "A,100,0.0625,16000,1000,0.125,1703,12446,7.31,sized,,9.5,9.5,5481,35112,1570,,118.5,"
            "154.0,53335,20141,2225,L = 40.8 ft is outside the vertical platforms' 12 to 40 ft\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2) << "no temporary left";
  std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// A list of `rows` that breaks off with a read error.
std::FILE* BreakingList(std::size_t rows) {
  struct Source {
    std::string text;
    std::size_t at = 0;
  };
  auto* source = new Source;
  source->text = "Tag,P,C,S,E,V\n";
  for (std::size_t i = 0; i < rows; ++i) source->text += "V,100,0.0625,16000,0.8,1000\n";
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
    auto& s = *static_cast<Source*>(cookie);
    if (s.at == s.text.size()) {
      errno = EIO;
      return -1;
    }
    const std::size_t n = std::min(size, s.text.size() - s.at);
    s.text.copy(buffer, n, s.at);
    s.at += n;
    return static_cast<ssize_t>(n);
  };
  io.close = [](void* cookie) {
    delete static_cast<Source*>(cookie);
    return 0;
  };
  return fopencookie(source, "r", io);
}

// Runs with standard output on `out`, which it drains when it can be read.
Ran RunWith(const std::vector<std::string>& args, std::FILE* in, std::FILE* out) {
  brenmor::cli::Streams streams{in, out, std::tmpfile(), nullptr};
  const int status = brenmor::cli::Run(args, streams);
  std::fclose(in);
  const bool readable = std::fseek(out, 0, SEEK_SET) == 0;
  return {status, readable ? Drain(out) : (std::fclose(out), ""), Drain(streams.errors)};
}

TEST(BrokenStreamTest, AFullDiskNamesTheOutput) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--csv", "-"}, {}}) {
    std::FILE* list = std::tmpfile();
    std::fputs("P,C,S,E,V\n100,0.0625,16000,0.8,1000\n", list);
    std::rewind(list);
    const Ran ran = RunWith(args, list, std::fopen("/dev/full", "w"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "brenmor-size: standard output: No space left on device\n");
  }
}

// The rows read before the error are written; the list's name and the
// error are said, with status 2.
TEST(BrokenStreamTest, AReadErrorMidListKeepsTheRowsBeforeIt) {
  const Ran ran = RunWith({"--csv", "-"}, BreakingList(10'000), std::tmpfile());
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err, "brenmor-size: -: Input/output error\n");
  EXPECT_EQ(std::count(ran.out.begin(), ran.out.end(), '\n'), 1 + 10'000);
}

TEST(BrokenStreamTest, AReadErrorLeavesNoOutputFile) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "brenmor-read-error";
  std::filesystem::create_directories(dir);
  const std::string out = (dir / "sized.csv").string();
  const Ran ran = RunWith({"--csv", "-", "-o", out}, BreakingList(10'000), std::tmpfile());
  EXPECT_EQ(ran.status, 2);
  EXPECT_TRUE(std::filesystem::is_empty(dir)) << "neither the file nor its temporary";
  std::filesystem::remove_all(dir);
}

}  // namespace
