#include "brenmor/calculation/calculation.h"

#include <cmath>

#include "brenmor/design/units.h"
#include "design/factors.h"

namespace brenmor {
namespace {

// A figure's number in its unit, where the calculation gives it. A plain
// double, not an optional: returned 14 times a list's row, an optional's
// flag and value are stored apart and read back together, which stalls.
double ValueOf(const Calculation& c, Figure figure) {
  const VesselSize& size = c.sizing.size;
  const Wall& wall = c.wall;
  switch (figure) {
    case Figure::F:
      return c.sizing.F.value_or(0);
    case Figure::D:
      return size.D;
    case Figure::L:
      return size.L;
    case Figure::LengthOverD:
      return size.L / size.D;
    case Figure::ShellThickness:
      return wall.shell.nominal * kMmPerInch;
    case Figure::HeadThickness:
      return wall.head.nominal * kMmPerInch;
    case Figure::EmptyWeight:
      return wall.emptyKg;
    case Figure::WaterWeight:
      return wall.waterKg;
    case Figure::LeastWeightD:
      return wall.leastD;
    case Figure::Mawp:
      return wall.mawp;
    case Figure::TestPressure:
      return wall.testPressure;
    case Figure::VesselCost:
      return c.cost.vessel;
    case Figure::PlatformsCost:
      return c.cost.platforms;
    case Figure::LeastCostD:
      break;
  }
  return c.cost.leastD;
}

bool Gives(const Calculation& c, Figure figure) {
  switch (Info(figure).group) {
    case Group::Size:
      return figure == Figure::F ? c.sizing.F.has_value() : c.Sized();
    case Group::Wall:
      return c.wall.error == ProblemKind::None;
    case Group::Cost:
      break;
  }
  return c.cost.given;
}

void Show(Calculation& c) {
  for (const Figure figure : kFigures) {
    if (Gives(c, figure))
      c.shown[static_cast<std::size_t>(figure)] = FigureText(figure, ValueOf(c, figure));
  }
}

// Commits each value as a unit pick does; the first refused is the problem.
void Commit(Calculation& c, const Quantities& given) {
  for (const Field field : kFields) {
    const Quantity& q = given[static_cast<std::size_t>(field)];
    const bool onItsList =
        q.unit == 0 || (q.unit > 0 && static_cast<std::size_t>(q.unit) < UnitNames(field).size());
    const double value = onItsList ? ToBase(field, q.unit, q.number) : 0;
    const ProblemKind refused = onItsList ? CommitRule(field, value) : ProblemKind::UnitNotOnList;
    if (refused == ProblemKind::None) {
      c.committed[static_cast<std::size_t>(field)] = value;
    } else if (!c.problem) {
      c.problem = {refused, field};
    }
  }
}

}  // namespace

ProblemKind CommitRule(Field field, double value) {
  if (!std::isfinite(value)) return ProblemKind::OutOfRange;
  if (field == Field::E && value > 1) return ProblemKind::EAboveOne;
  return ProblemKind::None;
}

std::string_view StatusName(Status status) {
  switch (status) {
    case Status::Sized:
      return "sized";
    case Status::Refused:
      return "refused";
    case Status::Error:
      return "error";
  }
  return {};
}

Quantities InBaseUnits(const DesignValues& v) {
  return {{{v.P, 0}, {v.C, 0}, {v.S, 0}, {v.E, 0}, {v.V, 0}}};
}

DesignValues Calculation::Values() const {
  DesignValues v;
  for (const Field field : kFields)
    v[field] = committed[static_cast<std::size_t>(field)].value_or(0);
  v.F = sizing.F.value_or(0);
  v.D = sizing.size.D;
  return v;
}

std::string Calculation::MessageOf(Group group) const {
  switch (group) {
    case Group::Size:
      return Message(problem);
    case Group::Wall:
      return Message(wall.error);
    case Group::Cost:
      break;
  }
  return cost.given ? RangeNote(cost, options.orientation) : std::string();
}

Calculation Calculate(const Quantities& given, const DesignOptions& options) {
  Calculation c;
  c.options = options;
  c.wall.options = options;
  Commit(c, given);
  if (!c.problem) {
    const DesignValues v = c.Values();
    c.sizing = SizeDesign(v.P, v.C, v.S, v.E, v.V);
    if (c.sizing.error != ProblemKind::None) {
      c.problem = {c.sizing.error};
    } else {
      c.wall = WallOf(v, c.sizing.size, options);
      c.cost = CostOf(v, c.sizing.size, c.wall);
    }
  }
  Show(c);
  return c;
}

}  // namespace brenmor
