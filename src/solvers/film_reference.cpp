#include "solvers/film_reference.h"

namespace dorix {

double ReferenceWeight(int fluid) {
  if (fluid == 1) return 0.33;
  if (fluid == 2) return 0.61;
  return 0.5;
}

double LiquidReferenceTemperature(int fluid, double Tw, double Tsat) {
  return Tw + ReferenceWeight(fluid) * (Tsat - Tw);
}

double SubcoolingWeight(int fluid, double PrL) {
  if (fluid == 1 || fluid == 2) return 0.35;
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
