// The three heads engineers order, as the code and the weight need them:
// the thickness a pressure needs, the pressure a thickness holds, and the
// surface and inside volume of each, worked out from its geometry.
#pragma once

#include "brenmor/design/options.h"

namespace brenmor {

// A torispherical (flanged and dished) head: a spherical crown of radius
// `crown` meeting the cylinder of diameter `diameter` through a knuckle,
// a torus of radius `knuckle`, tangent to both.
struct Torisphere {
  double diameter;
  double crown;
  double knuckle;

  double Area() const;    // of the crown and the knuckle
  double Volume() const;  // inside, above the cylinder's end
  double Depth() const;   // from the cylinder's end to the crown's top
  // The crown's half angle: where it meets the knuckle, from the axis.
  double CrownAngle() const;
};

// The ASME flanged and dished head: the crown radius the diameter, the
// knuckle 6 % of it.
inline constexpr double kKnuckleShare = 0.06;
Torisphere FlangedAndDished(double diameter);

// Surface per diameter squared and inside volume per diameter cubed of a
// head on a cylinder of that diameter: a weight takes the surface at the
// mean diameter, the water the volume at the inside one.
double AreaFactor(HeadKind head);
double VolumeFactor(HeadKind head);

// The code's thickness, in, of a head for internal pressure P (psi) with
// S E (psi) on the corroded inside radius R (in): P D / (2 S E - 0.2 P) for
// a 2:1 head, P R / (2 S E - 0.2 P) for a hemisphere and 0.885 P L /
// (S E - 0.1 P), L = D, for a flanged and dished head.
double HeadThickness(HeadKind head, double P, double SE, double R);

// The same formula turned round: the pressure a corroded thickness t (in)
// holds.
double HeadPressure(HeadKind head, double SE, double t, double R);

}  // namespace brenmor
