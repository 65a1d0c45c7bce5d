#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/condensation_steps.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_writer.h"
#include "core/solvers/tube_row.h"
#include "core/state/module1.h"

namespace dorix {

namespace {

constexpr const char* kDiameterNotPositive = "*** ERROR: Tube diameter must be greater than zero.";
constexpr const char* kTubesNotPositive = "*** ERROR: Number of tubes must be greater than zero.";
constexpr const char* kWallNotBelowSaturation =
    "*** ERROR: Wall temp. should be lower than Saturation temp.";
// No vapour temperature is checked here, so a run without a selector entry
// would go on with a vapour at 0 K.
constexpr const char* kNoVaporTemperatureChoice =
    "*** ERROR: No vapor temperature is chosen; select \"Vapor Temperature [K]\" or \"Use "
    "saturation temp [K]\".";

}  // namespace

std::optional<TubeCondensationRun> RunTubeCondensation(const TubeCondensationFields& fields,
                                                       MessageSink& messages,
                                                       std::vector<NamedValue>& inputs) {
  auto& g = Module1;
  FieldReader read(messages, inputs);
  TubeCondensationRun run;
  TubeCondensationInput& in = run.input;
  double& P = run.P;
  if (!read.Read(kPressureField, fields.pressure, P) ||
      !ReadVaporTemperature(read, fields.tempTypeIndex, fields.vaporTemp, P, in.Tv) ||
      !read.Read(kWallTempField, fields.wallTemp, in.Tw) ||
      !read.Read(kTubeDiameterField, fields.tubeDiameter, in.D) ||
      !read.Read(kTubesField, fields.numberOfTubes, in.N)) {
    return std::nullopt;
  }

  if (!LookUpSaturationTemperature(P, messages)) return std::nullopt;
  const char* refusal = nullptr;
  if (in.D <= 0) {
    refusal = kDiameterNotPositive;
  } else if (in.N <= 0) {
    refusal = kTubesNotPositive;
  } else if (in.Tw >= g.Tsat) {
    refusal = kWallNotBelowSaturation;
  }
  if (refusal) {
    messages.ShowMessage(refusal);
    return std::nullopt;
  }
  if (!LookUpFilmProperties(in.Tw, in.Tv, messages)) return std::nullopt;
  if (fields.tempTypeIndex != kTypedVaporTemperature &&
      fields.tempTypeIndex != kSaturationVaporTemperature) {
    messages.ShowMessage(kNoVaporTemperatureChoice);
    return std::nullopt;
  }

  TakeSharedProperties(in);
  run.result = SolveTubeCondensation(in);
  if (run.result.fault != SolveFault::kNone) {
    messages.ShowMessage(FaultMessage(run.result.fault));
    return std::nullopt;
  }
  return run;
}

CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             MessageSink& messages) {
  CalculationOutcome outcome;
  const std::optional<TubeCondensationRun> run =
      RunTubeCondensation(fields, messages, outcome.inputs);
  if (!run) return outcome;
  const TubeCondensationResult& result = run->result;

  OutcomeWriter writer(outcome, ReportWriter::CondensationHeader());
  WriteCondensationProperties(writer, run->P, run->input.CpL);
  writer.EmptyLine();
  writer.ResultLine(kReynoldsNumber, "Film Reynolds number Re(pi) = ", result.Re, kNoUnit);
  writer.ResultLine(kHeatTransferCoefficient, "Average heat transfer coefficient = ", result.h,
                    kCondensationCoefficientUnit);
  writer.ResultLine(kCondensationRate, "Condensation rate per unit length = ", result.m,
                    kMassRateUnit);
  writer.Finish(CalculationOutcome::Status::kReport);
  return outcome;
}

}  // namespace dorix
