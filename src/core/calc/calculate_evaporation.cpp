// SPDX-License-Identifier: MIT
#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/condensation_steps.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_record.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/film_reference.h"
#include "core/text/format_value.h"

namespace dorix {

namespace {

constexpr const char* kWallNotAboveSaturation =
    "*** ERROR: Wall Temp. should be higher than Saturation Temp.";
constexpr const char* kWallNotAboveZero = "*** ERROR: Wall Temp. should be higher than zero.";
constexpr const char* kLengthNotPositive = "*** ERROR: Wall Length should be greater than zero.";
constexpr const char* kFlowRateNotPositive =
    "*** ERROR: Mass flow rate should be greater than zero.";
constexpr const char* kSaturationOutOfRange =
    "*** ERROR: Given saturation temperature is out of range.";

std::string LiquidReferenceOutOfRange(double TlRef) {
  return "*** ERROR: Liquid reference temp(" + FormatValue(TlRef) +
         "=Tw+Alpha(Tsat-Tw)) is out of range.";
}

}  // namespace

std::optional<EvaporationRun> RunEvaporation(const EvaporationFields& fields, RunContext& context) {
  using Run = EvaporationRun;
  PropertySlots& g = context.propertySlots;
  FieldReader read(context);
  Run run;
  EvaporationInput& in = run.input;
  // The saturation temperature goes to its slot as soon as it is read.
  if (!read.Read(kSatTempField, fields.satTemp, g.Tsat) ||
      !read.Read(kWallTempField, fields.wallTemp, in.Tw) ||
      !read.Read(kLengthField, fields.length, in.L) ||
      !read.Read(kFlowRateField, fields.flowRate, in.Gamma0) ||
      !read.ReadCoefficients(fields.coefficients, in.coefficients)) {
    return std::nullopt;
  }

  if (in.Tw <= g.Tsat) return context.Refuse<Run>(kWallNotAboveSaturation);
  if (in.Tw <= 0) return context.Refuse<Run>(kWallNotAboveZero);
  if (in.L <= 0) return context.Refuse<Run>(kLengthNotPositive);
  if (in.Gamma0 <= 0) return context.Refuse<Run>(kFlowRateNotPositive);

  g.OutOfRange = 0;
  g.TlRef = LiquidReferenceTemperature(context.fluid, in.Tw, g.Tsat);
  context.LookUp(kLiquidDensity, g.TlRef, g.RhoL);
  context.LookUp(kLiquidViscosity, g.TlRef, g.MuL);
  context.LookUp(kLiquidConductivity, g.TlRef, g.KL);
  context.LookUp(kLiquidPrandtl, g.TlRef, g.PrL);
  if (g.OutOfRange == 1) return context.Refuse<Run>(LiquidReferenceOutOfRange(g.TlRef));
  g.OutOfRange = 0;
  context.LookUp(kEnthalpyOfVaporization, g.Tsat, g.Hfg);
  if (g.OutOfRange == 1) return context.Refuse<Run>(kSaturationOutOfRange);

  TakeProperties(context, in);
  if (!ApplyVaporDensity(context, fields.vaporDensity, in.film, run.rhoV)) return std::nullopt;
  return Solved(context, run, SolveEvaporation);
}

CalculationOutcome CalculateEvaporation(const EvaporationFields& fields,
                                        const CalculationSetup& setup) {
  return Calculated(ProblemKind::kWallEvaporation, fields, setup, RunEvaporation,
                    [](const EvaporationRun& run, CalculationOutcome& outcome) {
                      RecordLiquidProperties(outcome, run.input.film.CpL);
                      RecordEnthalpyOfVaporization(outcome);
                      RecordVaporDensity(outcome, run.rhoV);
                      // A dry-out is an answer, not an error: the properties stand alone.
                      if (run.result.dryOut) {
                        outcome.status = CalculationOutcome::Status::kDryOut;
                        return;
                      }
                      outcome.results.insert(outcome.results.end(),
                                             {{kReynoldsNumber, run.result.ReL},
                                              {kFinalMassFlowRate, run.result.GammaL},
                                              {kEvaporationRate, run.result.E},
                                              {kHeatTransferCoefficient, run.result.hAvg}});
                      outcome.status = CalculationOutcome::Status::kReport;
                    });
}

}  // namespace dorix
