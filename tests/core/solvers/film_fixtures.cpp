// SPDX-License-Identifier: MIT
#include "film_fixtures.h"

#include <cmath>

namespace dorix::test {

WallCorrelations DefaultCorrelations() {
  return {.A = 0.822f,
          .n = -0.22f,
          .B = 0.0038f,
          .m = 0.4f,
          .s = 0.65f,
          .C = 30.0f,
          .v = 0.0f,
          .D = 5800.0f,
          .w = -1.06f};
}

WallCondensationInput WaterWall(double L) {
  return {.FluidNo = 1,
          .Tsat = 373.12,
          .Tv = 400,
          .Tw = 300,
          .L = L,
          .coefficients = DefaultCorrelations(),
          .RhoL = 979,
          .MuL = 0.00042,
          .KL = 0.66,
          .PrL = 2.7,
          .CpL = 2.7 * 0.66 / 0.00042,
          .CpV = 2080,
          .Hfg = 2257000,
          .Grav = 9.8065};
}

TubeCondensationInput WaterTubes(double N) {
  const WallCondensationInput w = WaterWall(1.0);
  return {.FluidNo = 1,
          .Tsat = w.Tsat,
          .Tv = w.Tv,
          .Tw = w.Tw,
          .D = 0.1,
          .N = N,
          .RhoL = w.RhoL,
          .MuL = w.MuL,
          .KL = w.KL,
          .PrL = w.PrL,
          .CpL = w.CpL,
          .CpV = w.CpV,
          .Hfg = w.Hfg,
          .Grav = w.Grav};
}

EvaporationInput WaterEvaporation(double L, double Gamma0) {
  return {.FluidNo = 1,
          .Tsat = 373.12,
          .Tw = 393.12,
          .L = L,
          .Gamma0 = Gamma0,
          .coefficients = DefaultCorrelations(),
          .RhoL = 950,
          .MuL = 0.00026,
          .KL = 0.68,
          .PrL = 1.6,
          .Hfg = 2257000,
          .CpL = 1.6 * 0.68 / 0.00026,
          .Grav = 9.8065};
}

double LocalNusselt(const WallCorrelations& k, double PrL, double Re) {
  if (Re < k.C * std::pow(PrL, k.v)) return std::pow(0.75 * Re, -1.0 / 3.0);
  if (Re < k.D * std::pow(PrL, k.w)) return k.A * std::pow(Re, k.n);
  return k.B * std::pow(Re, k.m) * std::pow(PrL, k.s);
}

}  // namespace dorix::test
