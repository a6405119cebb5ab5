#include "app.h"

#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "brenmor/presentation/record.h"
#include "failure.h"
#include "inputs.h"
#include "list.h"
#include "report.h"

namespace brenmor::cli {
namespace {

struct Options {
  std::vector<std::string> values;  // "P=10bar" and the like
  std::string list;                 // --csv
  std::string output;               // -o
  std::string delimiter;            // --delimiter
  std::string head;                 // --head
  std::string plateStep;            // --plate-step
  std::string density;              // --density
  std::string orientation;          // --orientation
  std::string costIndex;            // --cost-index
  std::string materialFactor;       // --material-factor
  bool decimalComma = false;
  bool explain = false;
  bool json = false;
};

// The result, on standard output or in a file that appears only whole: it
// is written under a temporary name beside its own and renamed when done.
class Output {
 public:
  Output(std::FILE* standardOutput, const std::string& path) : file_(standardOutput) {
    if (path.empty()) return;
    std::string name = path + ".XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) throw Failure(path, std::strerror(errno));
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);  // as any file the user makes, not mkstemp's 0600
    file_ = fdopen(fd, "w");
    if (file_ == nullptr) {
      const int error = errno;
      close(fd);
      std::remove(name.c_str());
      throw Failure(path, std::strerror(error));
    }
    temporary_ = name;
    name_ = path;
  }
  ~Output() {
    if (temporary_.empty()) return;
    std::fclose(file_);
    std::remove(temporary_.c_str());
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  std::FILE* File() const { return file_; }
  const std::string& Name() const { return name_; }

  // Flushes the result and, for a file, gives it its name.
  void Close() {
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0) {
      throw Failure(name_, std::strerror(errno));
    }
    if (temporary_.empty()) return;
    const std::string temporary = std::exchange(temporary_, {});
    const bool closed = std::fclose(file_) == 0;
    if (closed && std::rename(temporary.c_str(), name_.c_str()) == 0) return;
    const int error = errno;
    std::remove(temporary.c_str());
    throw Failure(name_, std::strerror(error));
  }

 private:
  std::FILE* file_;
  std::string temporary_;
  std::string name_ = "standard output";
};

// Each value with its base unit, every unit it takes and its default, from
// the engine's tables: a number typed without a unit is in the base unit.
std::string ValuesHelp() {
  std::string help =
      "Values, each NAME=VALUE: a number, optionally followed by a unit it takes. A number\n"
      "without a unit is in the base unit (P=10 is 10 psi); a value left out takes its default.\n";
  for (const Field field : kFields) {
    const FieldInfo& info = Info(field);
    ((help += "  ") += info.letter) += "  ";
    help += info.longName;
    const std::vector<std::string_view> units = UnitsTaken(field);
    help += ": ";
    if (units.empty()) help += "no unit";
    for (std::size_t i = 0; i < units.size(); ++i) {
      if (i > 0) help += ", ";
      help += units[i];
      if (i == 0) help += " (base)";
    }
    ((help += "; default ") += info.defaultText) += std::string(units.empty() ? "" : " ");
    if (!units.empty()) help += units.front();
    help += '\n';
  }
  return help;
}

// "ellipsoidal (the default), hemispherical or torispherical".
template <class Option, std::size_t N>
std::string Choices(const std::array<Option, N>& all, Option byDefault) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += i + 1 == N ? " or " : ", ";
    text += Name(all[i]);
    if (all[i] == byDefault) text += " (the default)";
  }
  return text;
}

// What to print and stop at, for --help and --version.
std::optional<std::string> Parse(std::span<const std::string> args, Options& options) {
  CLI::App app(
      "Sizes a cylindrical pressure vessel, or every vessel of a list, as the Brenmor "
      "window does.",
      "brenmor-size");
  app.add_option("values", options.values,
                 "Design values P=, C=, S=, E= and V= (P=10bar, C=3mm, V=20m^3); see Values "
                 "below")
      ->type_name("NAME=VALUE");
  app.add_option("--csv", options.list,
                 "Size every row of the CSV list FILE ('-' for standard input)")
      ->type_name("FILE");
  app.add_option("-o,--output", options.output, "Write the result to OUT, whole or not at all")
      ->type_name("OUT");
  app.add_option("--delimiter", options.delimiter,
                 "The list's cell delimiter, one character (default ',', or ';' with "
                 "--decimal-comma); 'tab' for a tab")
      ->type_name("CHAR");
  const DesignOptions defaults;
  app.add_option("--head", options.head,
                 "The heads of every vessel: " + Choices(kHeadKinds, defaults.head) +
                     "; a list's head column overrides it for its row")
      ->type_name("KIND");
  app.add_option("--plate-step", options.plateStep,
                 "The step to which plate thicknesses are rounded up: " +
                     Choices(kPlateSteps, defaults.step))
      ->type_name("STEP");
  app.add_option("--density", options.density,
                 "The density of the plate, for the weights (default " +
                     FormatValue(defaults.density) + ", carbon steel)")
      ->type_name("KG_PER_M3");
  app.add_option("--orientation", options.orientation,
                 "How every vessel stands, for its platforms and its cost: " +
                     Choices(kOrientations, defaults.orientation) +
                     "; a list's orientation column overrides it for its row")
      ->type_name("HOW");
  app.add_option("--cost-index", options.costIndex,
                 "The CE plant cost index the costs are taken at (default " +
                     FormatValue(defaults.costIndex) + ", the correlations' own)")
      ->type_name("INDEX");
  app.add_option("--material-factor", options.materialFactor,
                 "The vessel's cost factor for its material (default " +
                     FormatValue(defaults.materialFactor) +
                     ", carbon steel; 2.1 for 316 stainless, with --density)")
      ->type_name("FACTOR");
  app.add_flag("--decimal-comma", options.decimalComma,
               "Read and write numbers with ',' as the decimal mark, as comma-decimal "
               "spreadsheets do");
  app.add_flag("--explain", options.explain, "Add the calculation record of the design");
  app.add_flag("--json", options.json, "Print the design as one JSON object");
  app.set_version_flag("--version", "brenmor-size " BRENMOR_VERSION);
  app.footer(ValuesHelp());
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForVersion& version) {
    return std::string(version.what()) + '\n';
  } catch (const CLI::Success&) {
    return app.help();
  } catch (const CLI::ParseError& error) {
    throw Failure(error.what());
  }
  return std::nullopt;
}

DecimalMark MarkOf(const Options& options) {
  return options.decimalComma ? DecimalMark::Comma : DecimalMark::Point;
}

DesignOptions ReadDesignOptions(const Options& options) {
  return ReadDesignOptions({options.head, options.plateStep, options.density, options.orientation,
                            options.costIndex, options.materialFactor},
                           Spelling::Flag);
}

int OneDesign(const Options& options, const GivenValues& given, const DesignOptions& design,
              std::FILE* output) {
  const Calculation calculation = Calculate(WithDefaults(given), design);
  const std::string record = options.explain ? CalculationRecord(calculation) : std::string();
  std::string text = options.json ? Json(calculation, options.explain ? &record : nullptr)
                                  : Summary(calculation, MarkOf(options));
  if (options.explain && !options.json) text += '\n' + record;
  std::fputs(text.c_str(), output);
  return calculation.Sized() ? kAllSized : kNotSized;
}

std::uint64_t SizeOf(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

int List(const Options& options, const GivenValues& given, const DesignOptions& design,
         const Streams& streams, const Output& output) {
  if (options.explain || options.json) {
    throw Failure("--explain and --json are for one design, not a list");
  }
  ListOptions list;
  list.delimiter = ReadDelimiter(options.delimiter, MarkOf(options), Spelling::Flag);
  list.mark = MarkOf(options);
  list.given = given;
  list.design = design;
  list.inputName = options.list;
  list.outputName = output.Name();
  list.noteColumns = [&](const std::string& note) {
    std::fprintf(streams.errors, "brenmor-size: %s: %s\n", options.list.c_str(), note.c_str());
  };
  const bool standardInput = options.list == "-";
  std::FILE* input = standardInput ? streams.input : std::fopen(options.list.c_str(), "rb");
  if (input == nullptr) throw Failure(options.list, std::strerror(errno));
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(
      standardInput ? nullptr : input, [](std::FILE* file) { return std::fclose(file); });
  Progress progress(streams.terminal, SizeOf(input));
  const ListResult result = SizeList(input, output.File(), list, progress);
  if (result.commaDecimals > 0) {
    std::fprintf(streams.errors, "brenmor-size: %s: %s\n", options.list.c_str(),
                 CommaDecimalsMessage(result.commaDecimals, Spelling::Flag).c_str());
  }
  return result.rows == result.sized ? kAllSized : kNotSized;
}

int Size(const Options& options, const Streams& streams) {
  const GivenValues given = ReadNameValues(options.values, MarkOf(options));
  const DesignOptions design = ReadDesignOptions(options);
  if (options.list.empty() && !options.delimiter.empty()) {
    throw Failure("--delimiter is for a list given with --csv");
  }
  Output output(streams.output, options.output);
  const int status = options.list.empty() ? OneDesign(options, given, design, output.File())
                                          : List(options, given, design, streams, output);
  output.Close();
  return status;
}

}  // namespace

int Run(std::span<const std::string> args, const Streams& streams) {
  try {
    Options options;
    if (const std::optional<std::string> text = Parse(args, options)) {
      std::fputs(text->c_str(), streams.output);
      return kAllSized;
    }
    return Size(options, streams);
  } catch (const Failure& failure) {
    std::fprintf(streams.errors, "brenmor-size: %s\n", failure.what());
    return kFailed;
  }
}

}  // namespace brenmor::cli
