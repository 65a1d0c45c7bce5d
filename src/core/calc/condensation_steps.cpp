// SPDX-License-Identifier: MIT
#include "core/calc/condensation_steps.h"

#include "core/props/film_properties.h"
#include "core/props/saturated_vapor.h"
#include "core/solvers/film_reference.h"

namespace dorix {

bool ReadVaporTemperature(FieldReader& read, RunContext& context, int tempTypeIndex,
                          const std::string& text, double P, double& Tv) {
  Tv = 0.0;
  if (tempTypeIndex == kTypedVaporTemperature) return read.Read(kVaporTempField, text, Tv);
  if (tempTypeIndex == kSaturationVaporTemperature) {
    // Out of range leaves Tsat as it was; the pressure check refuses the run.
    context.LookUp(kSaturationTemperature, P, context.propertySlots.Tsat);
    Tv = context.propertySlots.Tsat;
    read.Note(kVaporTempField, Tv);
  }
  return true;
}

bool LookUpSaturationTemperature(RunContext& context, double P) {
  context.propertySlots.OutOfRange = 0;
  context.LookUp(kSaturationTemperature, P, context.propertySlots.Tsat);
  if (context.propertySlots.OutOfRange != 1) return true;
  context.refusal = kPressureOutOfRange;
  return false;
}

bool LookUpCondensationProperties(RunContext& context, double Tw, double Tv) {
  PropertySlots& g = context.propertySlots;
  g.TlRef = LiquidReferenceTemperature(context.fluid, Tw, g.Tsat);
  g.TvRef = (g.Tsat + Tv) / 2;
  if (const char* message = LookUpFilmProperties(context.store, context.fluid, g)) {
    context.refusal = message;
    return false;
  }
  return true;
}

bool ApplyVaporDensity(RunContext& context, VaporDensity choice, LiquidFilm& film, double& rhoV) {
  if (choice == VaporDensity::kNeglected) return true;
  const auto density = SaturatedVaporDensity(context.store, context.fluid, film.Tsat);
  if (!density || !(*density < film.RhoL)) {
    context.refusal = "*** ERROR: The saturated vapor density at Tsat is out of range.";
    return false;
  }
  rhoV = *density;
  film.Grav *= 1 - rhoV / film.RhoL;
  return true;
}

}  // namespace dorix
