#include "brenmor/wall/heads.h"

#include <cmath>
#include <numbers>

#include "design/wall_constants.h"

namespace brenmor {
namespace {

using std::numbers::pi;

// A torisphere of unit diameter, worked out once.
const Torisphere& UnitFlangedAndDished() {
  static const Torisphere unit = FlangedAndDished(1);
  return unit;
}

}  // namespace

// Seen from the side, the knuckle's centre stands at a = D/2 - r from the
// axis and the crown's on the axis at h below the end, where (R - r)^2 =
// a^2 + h^2: the line through both centres meets the two arcs at the same
// point, where they share a tangent.
double Torisphere::CrownAngle() const {
  return std::asin((diameter / 2 - knuckle) / (crown - knuckle));
}

double Torisphere::Depth() const { return crown - (crown - knuckle) * std::cos(CrownAngle()); }

// The crown: a cap of half angle phi, 2 pi R^2 (1 - cos phi). The knuckle:
// the arc of radius r turned about the axis at a, from the cylinder (0) to
// the crown (pi/2 - phi), by Pappus 2 pi r (a theta + r sin theta).
double Torisphere::Area() const {
  const double phi = CrownAngle();
  const double a = diameter / 2 - knuckle;
  const double theta = pi / 2 - phi;
  return 2 * pi * crown * crown * (1 - std::cos(phi)) +
         2 * pi * knuckle * (a * theta + knuckle * std::sin(theta));
}

// Slices across the axis: in the knuckle, up to z1 = r sin theta, the
// radius is a + sqrt(r^2 - z^2); in the crown, sqrt(R^2 - (z + h)^2).
double Torisphere::Volume() const {
  const double phi = CrownAngle();
  const double a = diameter / 2 - knuckle;
  const double r = knuckle;
  const double h = (crown - knuckle) * std::cos(phi);
  const double z1 = r * std::cos(phi);
  const auto knuckleSlices = [&](double z) {
    return (a * a + r * r) * z - z * z * z / 3 +
           a * (z * std::sqrt(r * r - z * z) + r * r * std::asin(z / r));
  };
  const auto crownSlices = [&](double z) { return crown * crown * z - std::pow(z + h, 3) / 3; };
  return pi * (knuckleSlices(z1) - knuckleSlices(0)) +
         pi * (crownSlices(crown - h) - crownSlices(z1));
}

Torisphere FlangedAndDished(double diameter) {
  return {diameter, diameter, kKnuckleShare * diameter};
}

double AreaFactor(HeadKind head) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return kEllipsoidalHeadArea;
    case HeadKind::Hemispherical:
      return pi / 2;
    case HeadKind::Torispherical:
      break;
  }
  return UnitFlangedAndDished().Area();
}

double VolumeFactor(HeadKind head) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return pi / 24;
    case HeadKind::Hemispherical:
      return pi / 12;
    case HeadKind::Torispherical:
      break;
  }
  return UnitFlangedAndDished().Volume();
}

double HeadThickness(HeadKind head, double P, double SE, double R) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return P * (2 * R) / (2 * SE - kHeadPressureShare * P);
    case HeadKind::Hemispherical:
      return P * R / (2 * SE - kHeadPressureShare * P);
    case HeadKind::Torispherical:
      break;
  }
  return kCrownFactor * P * (2 * R) / (SE - kCrownPressureShare * P);
}

double HeadPressure(HeadKind head, double SE, double t, double R) {
  switch (head) {
    case HeadKind::Ellipsoidal:
      return 2 * SE * t / (2 * R + kHeadPressureShare * t);
    case HeadKind::Hemispherical:
      return 2 * SE * t / (R + kHeadPressureShare * t);
    case HeadKind::Torispherical:
      break;
  }
  return SE * t / (kCrownFactor * (2 * R) + kCrownPressureShare * t);
}

}  // namespace brenmor
