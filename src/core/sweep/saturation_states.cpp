// SPDX-License-Identifier: MIT
#include "core/sweep/saturation_states.h"

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/text/format_value.h"
#include "core/text/round_trip_text.h"

namespace dorix {

namespace {

// The fluid's critical pressure from the fluid table; none, with a message,
// for a number that names no fluid.
std::optional<double> CriticalPressureOf(int fluid, std::string& message) {
  const Fluid* found = FindFluid(fluid);
  if (found == nullptr) {
    message = "*** ERROR: There is no fluid " + std::to_string(fluid) + ".";
    return std::nullopt;
  }
  return found->criticalPressure;
}

std::string OutsideMessage(int fluid, double value, const char* unit) {
  return "*** ERROR: " + std::string(FindFluid(fluid)->displayName) +
         " has no saturation state at " + FormatValue(value) + unit + ".";
}

}  // namespace

double DifferenceSign(const ProblemFields& fields) {
  return std::holds_alternative<EvaporationFields>(fields) ? 1.0 : -1.0;
}

std::optional<double> ReducedPressure(const ProblemFields& fields, int fluid,
                                      const PropertyStore& store, std::string& message) {
  const std::optional<double> pc = CriticalPressureOf(fluid, message);
  if (!pc) return std::nullopt;
  if (const auto* evaporation = std::get_if<EvaporationFields>(&fields)) {
    FieldReading Tsat = ReadField(kSatTempField, evaporation->satTemp);
    if (!Tsat.value) {
      message = std::move(Tsat.message);
      return std::nullopt;
    }
    const std::optional<double> p = LookUpProperty(store, fluid, kSaturationPressure, *Tsat.value);
    if (!p) message = OutsideMessage(fluid, *Tsat.value, " K");
    return p ? std::optional(*p / *pc) : std::nullopt;
  }
  ProblemFields texts = fields;
  FieldReading p =
      ReadField(kPressureField, *FindOption(BindFields(texts), kPressureField.name)->text);
  if (!p.value) {
    message = std::move(p.message);
    return std::nullopt;
  }
  return *p.value / *pc;
}

std::optional<SaturationState> StateAtReducedPressure(const ProblemFields& fields, int fluid,
                                                      double reduced, const PropertyStore& store,
                                                      std::string& message) {
  const std::optional<double> pc = CriticalPressureOf(fluid, message);
  if (!pc) return std::nullopt;
  // As the field will hold it.
  const auto pressure = static_cast<float>(reduced * *pc);
  const std::optional<double> Tsat = LookUpProperty(store, fluid, kSaturationTemperature, pressure);
  if (!Tsat) {
    message = OutsideMessage(fluid, pressure, " Pa");
    return std::nullopt;
  }
  SaturationState state{fields, pressure, *Tsat};
  if (auto* evaporation = std::get_if<EvaporationFields>(&state.fields)) {
    evaporation->satTemp = RoundTripText(static_cast<float>(*Tsat));
    state.Tsat = static_cast<float>(*Tsat);
  } else {
    *FindOption(BindFields(state.fields), kPressureField.name)->text = RoundTripText(pressure);
    SelectSaturationTemperature(state.fields);
  }
  return state;
}

}  // namespace dorix
