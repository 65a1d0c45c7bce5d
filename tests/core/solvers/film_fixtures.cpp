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
  return {.film = {.FluidNo = 1,
                   .Tsat = 373.12,
                   .RhoL = 979,
                   .MuL = 0.00042,
                   .KL = 0.66,
                   .PrL = 2.7,
                   .CpL = 2.7 * 0.66 / 0.00042,
                   .Hfg = 2257000,
                   .Grav = 9.8065},
          .Tv = 400,
          .Tw = 300,
          .L = L,
          .coefficients = DefaultCorrelations(),
          .CpV = 2080};
}

TubeCondensationInput WaterTubes(double N) {
  const WallCondensationInput w = WaterWall(1.0);
  return {.film = w.film, .Tv = w.Tv, .Tw = w.Tw, .D = 0.1, .N = N, .CpV = w.CpV};
}

EvaporationInput WaterEvaporation(double L, double Gamma0) {
  return {.film = {.FluidNo = 1,
                   .Tsat = 373.12,
                   .RhoL = 950,
                   .MuL = 0.00026,
                   .KL = 0.68,
                   .PrL = 1.6,
                   .CpL = 1.6 * 0.68 / 0.00026,
                   .Hfg = 2257000,
                   .Grav = 9.8065},
          .Tw = 393.12,
          .L = L,
          .Gamma0 = Gamma0,
          .coefficients = DefaultCorrelations()};
}

double LocalNusselt(const WallCorrelations& k, double PrL, double Re) {
  if (Re < k.C * std::pow(PrL, k.v)) return std::pow(0.75 * Re, -1.0 / 3.0);
  if (Re < k.D * std::pow(PrL, k.w)) return k.A * std::pow(Re, k.n);
  return k.B * std::pow(Re, k.m) * std::pow(PrL, k.s);
}

}  // namespace dorix::test
