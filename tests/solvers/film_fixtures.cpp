#include "film_fixtures.h"

#include <cmath>

namespace dorix::test {

WallCorrelations DefaultCorrelations() {
  WallCorrelations k;
  k.A = 0.822f;
  k.n = -0.22f;
  k.B = 0.0038f;
  k.m = 0.4f;
  k.s = 0.65f;
  k.C = 30.0f;
  k.v = 0.0f;
  k.D = 5800.0f;
  k.w = -1.06f;
  return k;
}

WallCondensationInput WaterWall(double L) {
  WallCondensationInput in;
  in.FluidNo = 1;
  in.Tsat = 373.12;
  in.Tv = 400;
  in.Tw = 300;
  in.L = L;
  in.coefficients = DefaultCorrelations();
  in.RhoL = 979;
  in.MuL = 0.00042;
  in.KL = 0.66;
  in.PrL = 2.7;
  in.CpL = in.PrL * in.KL / in.MuL;
  in.CpV = 2080;
  in.Hfg = 2257000;
  in.Grav = 9.8065;
  return in;
}

TubeCondensationInput WaterTubes(double N) {
  const WallCondensationInput wall = WaterWall(1.0);
  TubeCondensationInput in;
  in.FluidNo = 1;
  in.Tsat = wall.Tsat;
  in.Tv = wall.Tv;
  in.Tw = wall.Tw;
  in.D = 0.1;
  in.N = N;
  in.RhoL = wall.RhoL;
  in.MuL = wall.MuL;
  in.KL = wall.KL;
  in.PrL = wall.PrL;
  in.CpL = wall.CpL;
  in.CpV = wall.CpV;
  in.Hfg = wall.Hfg;
  in.Grav = wall.Grav;
  return in;
}

EvaporationInput WaterEvaporation(double L, double Gamma0) {
  EvaporationInput in;
  in.FluidNo = 1;
  in.Tsat = 373.12;
  in.Tw = 393.12;
  in.L = L;
  in.Gamma0 = Gamma0;
  in.coefficients = DefaultCorrelations();
  in.RhoL = 950;
  in.MuL = 0.00026;
  in.KL = 0.68;
  in.PrL = 1.6;
  in.Hfg = 2257000;
  in.CpL = in.PrL * in.KL / in.MuL;
  in.Grav = 9.8065;
  return in;
}

double LocalNusselt(const WallCorrelations& k, double PrL, double Re) {
  const double ReWl = k.C * std::pow(PrL, k.v);
  const double ReTur = k.D * std::pow(PrL, k.w);
  if (Re < ReWl) return std::pow(0.75 * Re, -1.0 / 3.0);
  if (Re < ReTur) return k.A * std::pow(Re, k.n);
  return k.B * std::pow(Re, k.m) * std::pow(PrL, k.s);
}

}  // namespace dorix::test
