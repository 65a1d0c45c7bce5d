// SPDX-License-Identifier: MIT
#include "core/props/film_properties.h"

namespace dorix {

const char* LookUpFilmProperties(const PropertyStore& store, int fluid, PropertySlots& slots) {
  auto get = [&](int code, double x, double& slot) {
    LookUpInto(store, fluid, code, x, slot, slots.OutOfRange);
  };
  slots.OutOfRange = 0;
  get(kLiquidDensity, slots.TlRef, slots.RhoL);
  get(kLiquidViscosity, slots.TlRef, slots.MuL);
  get(kLiquidConductivity, slots.TlRef, slots.KL);
  get(kLiquidPrandtl, slots.TlRef, slots.PrL);
  if (slots.OutOfRange == 1) return kLiquidReferenceOutOfRange;
  get(kVaporSpecificHeat, slots.TvRef, slots.CpV);
  if (slots.OutOfRange == 1) return kVaporReferenceOutOfRange;
  get(kEnthalpyOfVaporization, slots.Tsat, slots.Hfg);
  if (slots.OutOfRange == 1) return kPressureOutOfRange;
  return nullptr;
}

}  // namespace dorix
