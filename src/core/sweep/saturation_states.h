// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/calc/field_reader.h"
#include "core/calc/problems.h"
#include "core/props/property_store.h"

namespace dorix {

// A study input besides the fields: the wall's temperature difference from
// saturation, Tsat − Tw for condensation and Tw − Tsat for evaporation, each
// fluid at its own saturation state of one reduced pressure p/pc, so that
// fluids compare at the same driving difference. A plain number: a
// difference takes no offset unit such as degC.
inline constexpr InputField kSaturationDifferenceField{"delta_t", "Temperature difference [K]"};

// +1 where the wall is hotter than saturation (evaporation), −1 where colder.
double DifferenceSign(const ProblemFields& fields);

// The reduced pressure p/pc of the fluid and the fields' saturation state:
// the typed pressure of a condensation problem, the saturation pressure at
// the typed saturation temperature of evaporation. None, with the
// "*** ERROR: " message, where the state cannot be found.
std::optional<double> ReducedPressure(const ProblemFields& fields, int fluid,
                                      const PropertyStore& store, std::string& message);

// A fluid at a reduced pressure: the fields with its pressure (and the vapour
// at saturation) or its saturation temperature typed in, and the saturation
// temperature its calculation will find there.
struct SaturationState {
  ProblemFields fields;
  double pressure = 0.0;
  double Tsat = 0.0;
};
std::optional<SaturationState> StateAtReducedPressure(const ProblemFields& fields, int fluid,
                                                      double reduced, const PropertyStore& store,
                                                      std::string& message);

}  // namespace dorix
