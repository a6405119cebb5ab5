// Arbitrary bytes drive a design through its commits and calculations: the
// design never holds a value that is not finite, and every text it hands the
// window is a plain number (or empty where a calculation was refused).
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

#include "brenmor/form/design_state.h"
#include "brenmor/numbers/number_text.h"
#include "fuzz_check.h"

namespace {

using brenmor::DesignState;
using brenmor::Field;

// Reads the input as a stream of operations and their arguments.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return empty() ? 0 : data_[pos_++]; }
  std::string_view Text() {
    const std::size_t length = std::min<std::size_t>(Byte(), size_ - pos_);
    const std::string_view text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

bool IsNumberText(const std::string& text) {
  static const std::regex number(R"(-?\d+(\.\d+)?(E[+-]\d\d+)?)");
  return text != "-0" && std::regex_match(text, number);
}

// Whole millimetres; from 1E15 up the number rules write them in exponent form.
bool IsWholeNumberText(const std::string& text) {
  const double value = brenmor::ParseValue(text);
  return IsNumberText(text) && std::nearbyint(value) == value;
}

void CheckFText(const std::optional<std::string>& fText) {
  if (fText) FUZZ_CHECK(IsNumberText(*fText));
}

void CheckValues(const DesignState& state) {
  const brenmor::DesignValues& v = state.Values();
  for (const double x : {v.P, v.C, v.S, v.E, v.V, v.F, v.D}) FUZZ_CHECK(std::isfinite(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  DesignState state;
  while (!in.empty()) {
    switch (in.Byte() % 5) {
      case 0: {
        const std::string_view p = in.Text();
        const std::string_view c = in.Text();
        const std::string_view s = in.Text();
        const std::string_view e = in.Text();
        const std::string_view v = in.Text();
        state.LoadDefaults(p, c, s, e, v);
        break;
      }
      case 1: {
        const auto field = static_cast<Field>(in.Byte() % 5);
        const int unit = in.Byte() - 128;  // -1 and every position off the lists too
        const brenmor::UnitCommit commit = state.CommitWithUnit(field, unit, in.Text());
        FUZZ_CHECK(commit.error == brenmor::ProblemKind::None ? IsNumberText(commit.writtenBack)
                                                              : commit.writtenBack.empty());
        CheckFText(commit.fText);
        break;
      }
      case 2:
        CheckFText(state.CommitE(in.Text()).fText);
        break;
      case 3:
        CheckFText(state.RefreshF());
        break;
      default: {
        using brenmor::Figure;
        const brenmor::Calculation calc = state.Calculate({});
        if (!calc.Text(Figure::F).empty()) FUZZ_CHECK(IsNumberText(calc.Text(Figure::F)));
        if (calc.Sized()) {
          const brenmor::DesignValues& v = state.Values();
          FUZZ_CHECK(v.C > 0 && v.S > 0 && v.E > 0);
          FUZZ_CHECK(IsWholeNumberText(calc.Text(Figure::D)));
          FUZZ_CHECK(IsWholeNumberText(calc.Text(Figure::L)));
        } else {
          FUZZ_CHECK(calc.Text(Figure::D).empty() && calc.Text(Figure::L).empty());
        }
      }
    }
    CheckValues(state);
  }
  return 0;
}
