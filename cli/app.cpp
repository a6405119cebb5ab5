#include "app.h"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "brenmor/record.h"
#include "csv_list.h"
#include "design.h"
#include "report.h"

namespace brenmor::cli {
namespace {

struct Options {
  std::vector<std::string> values;  // "P=10bar" and the like
  std::string list;                 // --csv
  std::string output;               // -o
  std::string delimiter;            // --delimiter
  bool explain = false;
  bool json = false;
};

// A usage, input or output problem: said in one line, and nothing written.
struct Usage {
  std::string problem;
};

// The result, on standard output or in a file that appears only whole: it
// is written under a temporary name beside its own and renamed when done.
class Output {
 public:
  explicit Output(std::FILE* standardOutput) : file_(standardOutput) {}
  ~Output() {
    if (temporary_.empty()) return;
    std::fclose(file_);
    std::remove(temporary_.c_str());
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // False, with errno set, when the file cannot be made.
  bool Open(const std::string& path) {
    std::string name = path + ".XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);  // as any file the user makes, not mkstemp's 0600
    file_ = fdopen(fd, "w");
    temporary_ = name;
    path_ = path;
    return file_ != nullptr;
  }
  std::FILE* File() const { return file_; }

  // False, with errno set, when the result could not be written whole.
  bool Close() {
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0) return false;
    if (temporary_.empty()) return true;
    const bool closed = std::fclose(file_) == 0;
    const std::string temporary = std::exchange(temporary_, {});
    if (closed && std::rename(temporary.c_str(), path_.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
  }

 private:
  std::FILE* file_;
  std::string temporary_;
  std::string path_;
};

std::optional<Usage> Parse(std::span<const std::string> args, Options& options, std::FILE* output,
                           bool& done) {
  CLI::App app(
      "Sizes a cylindrical pressure vessel, or every vessel of a list, as the Brenmor "
      "window does.",
      "brenmor-size");
  app.add_option("values", options.values,
                 "Design values P=, C=, S=, E= and V=, each a number optionally followed by a "
                 "unit of its list (P=10bar, C=3mm, V=20m^3); one left out takes the window's "
                 "default")
      ->type_name("NAME=VALUE");
  app.add_option("--csv", options.list,
                 "Size every row of the CSV list FILE ('-' for standard input)")
      ->type_name("FILE");
  app.add_option("-o,--output", options.output, "Write the result to OUT, whole or not at all")
      ->type_name("OUT");
  app.add_option("--delimiter", options.delimiter,
                 "The list's cell delimiter, one character (default ','); 'tab' for a tab")
      ->type_name("CHAR");
  app.add_flag("--explain", options.explain, "Add the calculation record of the design");
  app.add_flag("--json", options.json, "Print the design as one JSON object");
  app.set_version_flag("--version", "brenmor-size " BRENMOR_VERSION);
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForVersion& version) {
    std::fprintf(output, "%s\n", version.what());
    done = true;
  } catch (const CLI::Success&) {
    std::fputs(app.help().c_str(), output);
    done = true;
  } catch (const CLI::ParseError& error) {
    return Usage{error.what()};
  }
  return std::nullopt;
}

// Reads the P=… values into `given`; every value must be wholly readable.
std::optional<Usage> ReadValues(const std::vector<std::string>& values,
                                std::array<std::optional<GivenValue>, 5>& given) {
  for (const std::string& value : values) {
    const std::size_t equals = value.find('=');
    const std::optional<Field> named =
        equals == std::string::npos ? std::nullopt : FieldNamed(value.substr(0, equals));
    if (!named) return Usage{"\"" + value + "\" is not one of P=, C=, S=, E= or V= with a value"};
    const Field field = *named;
    const std::string_view text = std::string_view(value).substr(equals + 1);
    auto& slot = given[static_cast<std::size_t>(field)];
    if (slot) return Usage{std::string(FieldName(field)) + " is given twice"};
    slot = ReadGiven(field, text);
    if (slot->error != ReadError::None) return Usage{Explain(slot->error, field, text)};
  }
  return std::nullopt;
}

std::optional<Usage> ReadDelimiter(const std::string& text, char& delimiter) {
  if (text.empty()) return std::nullopt;
  if (text == "tab" || text == "\\t") {
    delimiter = '\t';
    return std::nullopt;
  }
  if (text.size() != 1 || text[0] == '"' || text[0] == '\r' || text[0] == '\n') {
    return Usage{"--delimiter takes one character other than a quote or a line end, or 'tab'"};
  }
  delimiter = text[0];
  return std::nullopt;
}

std::string OneDesign(const Options& options, const std::array<std::optional<GivenValue>, 5>& given,
                      int& status) {
  GivenDesign design = DefaultDesign();
  for (std::size_t f = 0; f < design.size(); ++f) {
    if (given[f]) design[f] = *given[f];
  }
  const SizedDesign sized = SizeGiven(design);
  status = sized.status == Status::Sized ? kAllSized : kNotSized;
  const bool committed = std::all_of(sized.committed.begin(), sized.committed.end(),
                                     [](const auto& value) { return value.has_value(); });
  const std::string record =
      committed ? CalculationRecord(CommittedValues(sized))
                : "Nothing was calculated: a value was not taken (" + sized.message + ").\n";
  if (options.json) return Json(sized, options.explain ? &record : nullptr);
  return options.explain ? Summary(sized) + '\n' + record : Summary(sized);
}

std::uint64_t SizeOf(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::optional<Usage> List(const Options& options,
                          const std::array<std::optional<GivenValue>, 5>& given,
                          const Streams& streams, Output& output, int& status) {
  if (options.explain || options.json) {
    return Usage{"--explain and --json are for one design, not a list"};
  }
  ListOptions list;
  list.given = given;
  if (auto problem = ReadDelimiter(options.delimiter, list.delimiter)) return problem;
  const bool standardInput = options.list == "-";
  std::FILE* input = standardInput ? streams.input : std::fopen(options.list.c_str(), "rb");
  if (input == nullptr) return Usage{options.list + ": " + std::strerror(errno)};
  Progress progress(streams.terminal, SizeOf(input));
  const ListResult result = SizeList(input, output.File(), list, progress);
  if (!standardInput) std::fclose(input);
  if (result.error != ListError::None) return Usage{options.list + ": " + result.message};
  status = result.rows == result.sized ? kAllSized : kNotSized;
  return std::nullopt;
}

std::optional<Usage> Size(const Options& options, const Streams& streams, int& status) {
  std::array<std::optional<GivenValue>, 5> given;
  if (auto problem = ReadValues(options.values, given)) return problem;
  if (options.list.empty() && !options.delimiter.empty()) {
    return Usage{"--delimiter is for a list given with --csv"};
  }
  Output output(streams.output);
  if (!options.output.empty() && !output.Open(options.output)) {
    return Usage{options.output + ": " + std::strerror(errno)};
  }
  if (options.list.empty()) {
    const std::string text = OneDesign(options, given, status);
    std::fputs(text.c_str(), output.File());
  } else if (auto problem = List(options, given, streams, output, status)) {
    return problem;
  }
  if (!output.Close()) {
    return Usage{(options.output.empty() ? "standard output" : options.output) + ": " +
                 std::strerror(errno)};
  }
  return std::nullopt;
}

}  // namespace

int Run(std::span<const std::string> args, const Streams& streams) {
  Options options;
  bool done = false;
  std::optional<Usage> problem = Parse(args, options, streams.output, done);
  if (done) return kAllSized;
  int status = kAllSized;
  if (!problem) problem = Size(options, streams, status);
  if (!problem) return status;
  std::fprintf(streams.errors, "brenmor-size: %s\n", problem->problem.c_str());
  return kUsageError;
}

}  // namespace brenmor::cli
