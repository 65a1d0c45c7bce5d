// SPDX-License-Identifier: MIT
#pragma once

#include "core/props/property_curve.h"

namespace dorix {

// The temperatures and film properties a calculation looks up, with the
// out-of-range flag of the lookups. The windows keep one set in their shared
// state; every other caller gives each calculation a set of its own.
struct PropertySlots {
  double Tsat = 0.0;
  double TvRef = 0.0;
  double RhoL = 0.0;
  double MuL = 0.0;
  double KL = 0.0;
  double PrL = 0.0;
  double Hfg = 0.0;
  double CpV = 0.0;
  double TlRef = 0.0;
  int OutOfRange = 0;
};

// The liquid specific heat the calculations derive from the film's Prandtl
// number, conductivity and viscosity: CpL = PrL·KL/MuL.
inline double LiquidSpecificHeat(const PropertySlots& film) {
  return film.PrL * film.KL / film.MuL;
}

// A property lookup into one slot: the value on success; otherwise
// `outOfRange` := 1 and `result` keeps its previous value.
inline void LookUpInto(const PropertyStore& store, int fluid, int code, double x, double& result,
                       int& outOfRange) {
  if (const std::optional<double> value = LookUpProperty(store, fluid, code, x)) {
    result = *value;
  } else {
    outOfRange = 1;
  }
}

}  // namespace dorix
