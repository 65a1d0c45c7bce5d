// SPDX-License-Identifier: MIT
#include "core/solvers/film_reference.h"

#include "core/fluids/fluid.h"

namespace dorix {

double ReferenceWeight(int fluid) {
  const Fluid* f = FindFluid(fluid);
  return f ? f->referenceWeight : 0.5;
}

double LiquidReferenceTemperature(int fluid, double Tw, double Tsat) {
  return Tw + ReferenceWeight(fluid) * (Tsat - Tw);
}

double SubcoolingWeight(int fluid, double PrL) {
  const Fluid* f = FindFluid(fluid);
  if (f && f->fixedSubcoolingWeight) return *f->fixedSubcoolingWeight;
  return 0.683 - 0.228 / PrL;
}

double CondensationEnthalpy(int fluid, double Hfg, double CpL, double PrL, double CpV, double Tsat,
                            double Tw, double Tv) {
  return Hfg + SubcoolingWeight(fluid, PrL) * CpL * (Tsat - Tw) + CpV * (Tv - Tsat);
}

double EvaporationEnthalpy(int fluid, double Hfg, double CpL, double PrL, double Tsat, double Tw) {
  return Hfg + SubcoolingWeight(fluid, PrL) * CpL * (Tsat - Tw);
}

}  // namespace dorix
