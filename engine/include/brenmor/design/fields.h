// The five design values every front end takes: their names, units and
// defaults. The window, the page, a list's header, the messages, the JSON
// and the calculation record all read this table, so each fact stands once.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace brenmor {

// The five design values.
enum class Field {
  P,  // design pressure, psi
  C,  // corrosion allowance, in
  S,  // allowable stress of the material, psi
  E,  // weld joint efficiency, no unit
  V,  // vessel volume, ft^3
};

inline constexpr std::array<Field, 5> kFields = {Field::P, Field::C, Field::S, Field::E, Field::V};

struct FieldInfo {
  std::string_view letter;    // "P": its name in a list's header, in P=… and in JSON
  std::string_view name;      // "design pressure": in messages and the unit list's name
  std::string_view longName;  // "allowable stress": in the calculation record
  std::string_view caption;   // the window's caption beside its box
  std::string_view help;      // what the box holds and how it is taken in
  std::span<const std::string_view> units;  // base unit first; E has none
  int decimals;                             // a committed value is written back to these
  std::string_view defaultText;             // what the box opens with
};

const FieldInfo& Info(Field field);

// The unit a field is held in; empty for E.
std::string_view BaseUnit(Field field);

// The field of that one-letter name, in either case.
std::optional<Field> FieldNamed(std::string_view letter);

// Committed values; F and D are results, the others are inputs.
struct DesignValues {
  double P = 0;  // design pressure, psi
  double C = 0;  // corrosion allowance, in
  double S = 0;  // allowable stress, psi
  double E = 0;  // joint efficiency
  double V = 0;  // vessel volume, ft^3
  double F = 0;  // vessel factor of the last successful refresh, 1/in
  double D = 0;  // diameter of the last successful calculation, mm

  double& operator[](Field field);
  double operator[](Field field) const;
};

// The design a session starts from: each box's opening text, read.
DesignValues DefaultValues();

}  // namespace brenmor
