// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <utility>

#include "core/calc/calculation_run.h"
#include "core/calc/validity_notes.h"

namespace dorix {

// Names of the properties and results, the same in every output: reports
// find their lines by them, the command line and Python print them.
inline constexpr std::string_view kSaturationTemperatureName = "saturation_temperature";
inline constexpr std::string_view kLiquidDensityName = "liquid_density";
inline constexpr std::string_view kLiquidViscosityName = "liquid_dynamic_viscosity";
inline constexpr std::string_view kLiquidConductivityName = "liquid_conductivity";
inline constexpr std::string_view kLiquidSpecificHeatName = "liquid_specific_heat";
inline constexpr std::string_view kLiquidPrandtlName = "liquid_prandtl_number";
inline constexpr std::string_view kVaporSpecificHeatName = "vapor_specific_heat";
inline constexpr std::string_view kEnthalpyOfVaporizationName = "enthalpy_of_vaporization";
inline constexpr std::string_view kVaporDensityName = "saturated_vapor_density";

inline constexpr std::string_view kReynoldsNumber = "reynolds_number";
inline constexpr std::string_view kCondensationRate = "condensation_rate";
inline constexpr std::string_view kHeatTransferCoefficient = "heat_transfer_coefficient";
inline constexpr std::string_view kFinalMassFlowRate = "final_mass_flow_rate";
inline constexpr std::string_view kEvaporationRate = "evaporation_rate";

// The one way a calculation ends: `run` reads, checks and solves in a
// context over the outcome's own slots; a refusal becomes the outcome's
// message, and a finished run is written by `record`, which sets the status.
template <typename Fields, typename Run, typename Record>
CalculationOutcome Calculated(ProblemKind problem, const Fields& fields,
                              const CalculationSetup& setup, Run run, Record record) {
  CalculationOutcome outcome;
  outcome.problem = problem;
  outcome.propertySlots = setup.propertySlots;
  RunContext context(setup, outcome.propertySlots, outcome.inputs);
  const auto finished = run(fields, context);
  if (!finished) {
    outcome.message = std::move(context.refusal);
    return outcome;
  }
  // Room for eight properties and four results, made once: a sweep records
  // hundreds of thousands of outcomes.
  outcome.properties.reserve(8);
  outcome.results.reserve(4);
  record(*finished, outcome);
  AddValidityNotes(*finished, fields, context, outcome.notes);
  return outcome;
}

// The five liquid-film properties every report shows, at TlRef, with the
// liquid specific heat CpL derived from them.
void RecordLiquidProperties(CalculationOutcome& outcome, double CpL);
// The enthalpy of vaporization as looked up at Tsat.
void RecordEnthalpyOfVaporization(CalculationOutcome& outcome);
// The property block of the two condensation windows: the saturation
// temperature at pressure P, the liquid film, the vapour and the enthalpy of
// vaporization.
void RecordCondensationProperties(CalculationOutcome& outcome, double P, double CpL);
// The saturated vapour's density at Tsat where the film counts it (rhoV
// above zero): the one line a report gains with the vapour density included.
void RecordVaporDensity(CalculationOutcome& outcome, double rhoV);

}  // namespace dorix
