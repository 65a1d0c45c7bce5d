#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_writer.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/film_reference.h"
#include "core/state/get_property.h"
#include "core/state/module1.h"
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

std::optional<EvaporationRun> RunEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                             std::vector<NamedValue>& inputs) {
  auto& g = Module1;
  FieldReader read(messages, inputs);
  EvaporationRun run;
  EvaporationInput& in = run.input;
  // The saturation temperature goes to the shared slot as soon as it is read.
  if (!read.Read(kSatTempField, fields.satTemp, g.Tsat) ||
      !read.Read(kWallTempField, fields.wallTemp, in.Tw) ||
      !read.Read(kLengthField, fields.length, in.L) ||
      !read.Read(kFlowRateField, fields.flowRate, in.Gamma0) ||
      !read.ReadCoefficients(fields.coefficients, in.coefficients)) {
    return std::nullopt;
  }

  const char* refusal = nullptr;
  if (in.Tw <= g.Tsat) {
    refusal = kWallNotAboveSaturation;
  } else if (in.Tw <= 0) {
    refusal = kWallNotAboveZero;
  } else if (in.L <= 0) {
    refusal = kLengthNotPositive;
  } else if (in.Gamma0 <= 0) {
    refusal = kFlowRateNotPositive;
  }
  if (refusal) {
    messages.ShowMessage(refusal);
    return std::nullopt;
  }

  g.OutOfRange = 0;
  g.TlRef = LiquidReferenceTemperature(g.FluidNo, in.Tw, g.Tsat);
  GetProperty(g.FluidNo, kLiquidDensity, g.TlRef, g.RhoL);
  GetProperty(g.FluidNo, kLiquidViscosity, g.TlRef, g.MuL);
  GetProperty(g.FluidNo, kLiquidConductivity, g.TlRef, g.KL);
  GetProperty(g.FluidNo, kLiquidPrandtl, g.TlRef, g.PrL);
  if (g.OutOfRange == 1) {
    messages.ShowMessage(LiquidReferenceOutOfRange(g.TlRef));
    return std::nullopt;
  }
  g.OutOfRange = 0;
  GetProperty(g.FluidNo, kEnthalpyOfVaporization, g.Tsat, g.Hfg);
  if (g.OutOfRange == 1) {
    messages.ShowMessage(kSaturationOutOfRange);
    return std::nullopt;
  }

  in.FluidNo = g.FluidNo;
  in.Tsat = g.Tsat;
  in.RhoL = g.RhoL;
  in.MuL = g.MuL;
  in.KL = g.KL;
  in.PrL = g.PrL;
  in.Hfg = g.Hfg;
  in.CpL = g.PrL * g.KL / g.MuL;
  in.Grav = g.Grav;
  run.result = SolveEvaporation(in);
  if (run.result.fault != SolveFault::kNone) {
    messages.ShowMessage(FaultMessage(run.result.fault));
    return std::nullopt;
  }
  return run;
}

CalculationOutcome CalculateEvaporation(const EvaporationFields& fields, MessageSink& messages) {
  CalculationOutcome outcome;
  const std::optional<EvaporationRun> run = RunEvaporation(fields, messages, outcome.inputs);
  if (!run) return outcome;
  const EvaporationResult& result = run->result;

  OutcomeWriter writer(outcome, ReportWriter::EvaporationHeader());
  WriteLiquidProperties(writer, run->input.CpL);
  WriteEnthalpyOfVaporization(writer);
  // A dry-out is an answer, not an error: the properties stand alone.
  if (result.dryOut) {
    writer.Finish(CalculationOutcome::Status::kDryOut);
    return outcome;
  }
  writer.EmptyLine();
  writer.ResultLine(kReynoldsNumber, "Reynolds number at the end of the wall = ", result.ReL,
                    kNoUnit);
  writer.ResultLine(kFinalMassFlowRate, "Final mass flow rate = ", result.GammaL, kMassRateUnit);
  writer.ResultLine(kEvaporationRate, "Evaporation rate per unit width = ", result.E,
                    kMassRateUnit);
  writer.ResultLine(kHeatTransferCoefficient, "Average heat transfer coefficient = ", result.hAvg,
                    kEvaporationCoefficientUnit);
  writer.Finish(CalculationOutcome::Status::kReport);
  return outcome;
}

}  // namespace dorix
