// SPDX-License-Identifier: MIT
#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/condensation_steps.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_record.h"
#include "core/solvers/condensing_wall.h"

namespace dorix {

namespace {

constexpr const char* kVaporBelowWall = "*** ERROR: Vapor temp. should be higher than Wall temp.";
constexpr const char* kVaporBelowSaturation =
    "*** ERROR: Vapor temp. should be higher than Saturation temp.";

}  // namespace

std::optional<WallCondensationRun> RunWallCondensation(const WallCondensationFields& fields,
                                                       RunContext& context) {
  using Run = WallCondensationRun;
  const PropertySlots& g = context.propertySlots;
  FieldReader read(context);
  Run run;
  WallCondensationInput& in = run.input;
  if (!ReadCondensationConditions(read, context, fields, run) ||
      !read.Read(kLengthField, fields.length, in.L) ||
      !read.ReadCoefficients(fields.coefficients, in.coefficients)) {
    return std::nullopt;
  }

  if (!LookUpSaturationTemperature(context, run.P)) return std::nullopt;
  if (in.Tv < in.Tw) return context.Refuse<Run>(kVaporBelowWall);
  if (in.Tv < g.Tsat) return context.Refuse<Run>(kVaporBelowSaturation);
  if (in.Tw >= g.Tsat) return context.Refuse<Run>(kWallNotBelowSaturation);
  if (!LookUpCondensationProperties(context, in.Tw, in.Tv)) return std::nullopt;

  TakeProperties(context, in);
  if (!ApplyVaporDensity(context, fields.vaporDensity, in.film, run.rhoV)) return std::nullopt;
  return Solved(context, run, SolveWallCondensation);
}

CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             const CalculationSetup& setup) {
  return Calculated(ProblemKind::kWallCondensation, fields, setup, RunWallCondensation,
                    [](const WallCondensationRun& run, CalculationOutcome& outcome) {
                      RecordCondensationProperties(outcome, run.P, run.input.film.CpL);
                      RecordVaporDensity(outcome, run.rhoV);
                      outcome.results.insert(outcome.results.end(),
                                             {{kReynoldsNumber, run.result.ReL},
                                              {kCondensationRate, run.result.Gamma},
                                              {kHeatTransferCoefficient, run.result.h}});
                      outcome.status = CalculationOutcome::Status::kReport;
                    });
}

}  // namespace dorix
