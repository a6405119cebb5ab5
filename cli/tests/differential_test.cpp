// brenmor-size against the window's own rules: for designs drawn at random
// from a fixed seed, each value committed by the window as a unit pick (E on
// leaving its box) and then calculated, the texts are the same to the digit.
#include <gtest/gtest.h>

#include <random>

#include "brenmor/design_state.h"
#include "design.h"

namespace brenmor::cli {
namespace {

constexpr int kDesigns = 20'000;

// A number as a user might type it: mostly plausible, sometimes zero,
// negative, tiny or huge.
std::string RandomNumber(std::mt19937_64& random) {
  std::uniform_real_distribution<double> mantissa(-2, 50);
  std::uniform_int_distribution<int> exponent(-4, 4);
  std::uniform_int_distribution<int> rare(0, 40);
  switch (rare(random)) {
    case 0:
      return "0";
    case 1:
      return "1E" + std::to_string(exponent(random) * 80);
    default: {
      char text[32];
      std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 6), mantissa(random));
      return std::string(text) + (random() % 5 == 0 ? "E" + std::to_string(exponent(random)) : "");
    }
  }
}

TEST(DifferentialTest, SizesAsTheWindowDoes) {
  std::mt19937_64 random(20261208);
  int sized = 0;
  for (int n = 0; n < kDesigns; ++n) {
    DesignState window;
    window.LoadDefaults("100", "0.0625", "16000", "0.8", "1000");
    GivenDesign given = DefaultDesign();
    std::string refusal;
    std::string typed;
    for (const Field field : {Field::P, Field::C, Field::S, Field::E, Field::V}) {
      const std::string text = field == Field::E
                                   ? std::to_string(static_cast<double>(random() % 1200) / 1000)
                                   : RandomNumber(random);
      const int units = static_cast<int>(UnitNames(field).size());
      const int unit = units == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(units));
      const std::string unitName = units == 0 ? "" : std::string(UnitNames(field)[unit]);
      typed += std::string(FieldName(field)) + "=" + text + unitName + " ";
      given[static_cast<std::size_t>(field)] = ReadGiven(field, text + unitName);
      const CommitError error = field == Field::E ? window.CommitE(text).error
                                                  : window.CommitWithUnit(field, unit, text).error;
      if (error != CommitError::None && refusal.empty()) refusal = Message(error, field);
    }
    const SizedDesign design = SizeGiven(given);
    if (!refusal.empty()) {
      EXPECT_EQ(design.status, Status::Refused) << typed;
      EXPECT_EQ(design.message, refusal) << typed;
      continue;
    }
    const Calculation shown = window.Calculate();
    EXPECT_EQ(design.shown.fText, shown.fText) << typed;
    EXPECT_EQ(design.shown.dText, shown.dText) << typed;
    EXPECT_EQ(design.shown.lText, shown.lText) << typed;
    EXPECT_EQ(design.message, std::string(Message(shown.error))) << typed;
    sized += design.status == Status::Sized ? 1 : 0;
    if (testing::Test::HasFailure()) return;
  }
  EXPECT_GT(sized, kDesigns / 4) << "too few designs sized to say much";
}

}  // namespace
}  // namespace brenmor::cli
