// SPDX-License-Identifier: MIT
#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/condensation_steps.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_record.h"
#include "core/solvers/tube_row.h"

namespace dorix {

namespace {

constexpr const char* kDiameterNotPositive = "*** ERROR: Tube diameter must be greater than zero.";
constexpr const char* kTubesNotPositive = "*** ERROR: Number of tubes must be greater than zero.";
// No vapour temperature is checked here, so a run without a selector entry
// would go on with a vapour at 0 K.
constexpr const char* kNoVaporTemperatureChoice =
    "*** ERROR: No vapor temperature is chosen; select \"Vapor Temperature [K]\" or \"Use "
    "saturation temp [K]\".";

}  // namespace

std::optional<TubeCondensationRun> RunTubeCondensation(const TubeCondensationFields& fields,
                                                       RunContext& context) {
  using Run = TubeCondensationRun;
  const PropertySlots& g = context.propertySlots;
  FieldReader read(context);
  Run run;
  TubeCondensationInput& in = run.input;
  if (!ReadCondensationConditions(read, context, fields, run) ||
      !read.Read(kTubeDiameterField, fields.tubeDiameter, in.D) ||
      !read.Read(kTubesField, fields.numberOfTubes, in.N)) {
    return std::nullopt;
  }

  if (!LookUpSaturationTemperature(context, run.P)) return std::nullopt;
  if (in.D <= 0) return context.Refuse<Run>(kDiameterNotPositive);
  if (in.N <= 0) return context.Refuse<Run>(kTubesNotPositive);
  if (in.Tw >= g.Tsat) return context.Refuse<Run>(kWallNotBelowSaturation);
  if (!LookUpCondensationProperties(context, in.Tw, in.Tv)) return std::nullopt;
  if (fields.tempTypeIndex != kTypedVaporTemperature &&
      fields.tempTypeIndex != kSaturationVaporTemperature) {
    return context.Refuse<Run>(kNoVaporTemperatureChoice);
  }

  TakeProperties(context, in);
  if (!ApplyVaporDensity(context, fields.vaporDensity, in.film, run.rhoV)) return std::nullopt;
  in.rowFactor = fields.rowFactor;
  return Solved(context, run, SolveTubeCondensation);
}

CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             const CalculationSetup& setup) {
  return Calculated(ProblemKind::kTubeCondensation, fields, setup, RunTubeCondensation,
                    [](const TubeCondensationRun& run, CalculationOutcome& outcome) {
                      RecordCondensationProperties(outcome, run.P, run.input.film.CpL);
                      RecordVaporDensity(outcome, run.rhoV);
                      outcome.results.insert(outcome.results.end(),
                                             {{kReynoldsNumber, run.result.Re},
                                              {kHeatTransferCoefficient, run.result.h},
                                              {kCondensationRate, run.result.m}});
                      outcome.rowFactor = run.input.rowFactor;
                      outcome.status = CalculationOutcome::Status::kReport;
                    });
}

}  // namespace dorix
