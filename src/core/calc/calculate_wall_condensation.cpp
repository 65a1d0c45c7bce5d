#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"
#include "core/calc/condensation_steps.h"
#include "core/calc/field_reader.h"
#include "core/calc/outcome_writer.h"
#include "core/solvers/condensing_wall.h"
#include "core/state/module1.h"

namespace dorix {

namespace {

constexpr const char* kVaporBelowWall = "*** ERROR: Vapor temp. should be higher than Wall temp.";
constexpr const char* kVaporBelowSaturation =
    "*** ERROR: Vapor temp. should be higher than Saturation temp.";
constexpr const char* kWallNotBelowSaturation =
    "*** ERROR: Wall temp. should be lower than Saturation temp.";

}  // namespace

std::optional<WallCondensationRun> RunWallCondensation(const WallCondensationFields& fields,
                                                       MessageSink& messages,
                                                       std::vector<NamedValue>& inputs) {
  auto& g = Module1;
  FieldReader read(messages, inputs);
  WallCondensationRun run;
  WallCondensationInput& in = run.input;
  double& P = run.P;
  if (!read.Read(kPressureField, fields.pressure, P) ||
      !ReadVaporTemperature(read, fields.tempTypeIndex, fields.vaporTemp, P, in.Tv) ||
      !read.Read(kWallTempField, fields.wallTemp, in.Tw) ||
      !read.Read(kLengthField, fields.length, in.L) ||
      !read.ReadCoefficients(fields.coefficients, in.coefficients)) {
    return std::nullopt;
  }

  if (!LookUpSaturationTemperature(P, messages)) return std::nullopt;
  const char* refusal = nullptr;
  if (in.Tv < in.Tw) {
    refusal = kVaporBelowWall;
  } else if (in.Tv < g.Tsat) {
    refusal = kVaporBelowSaturation;
  } else if (in.Tw >= g.Tsat) {
    refusal = kWallNotBelowSaturation;
  }
  if (refusal) {
    messages.ShowMessage(refusal);
    return std::nullopt;
  }
  if (!LookUpFilmProperties(in.Tw, in.Tv, messages)) return std::nullopt;

  TakeSharedProperties(in);
  run.result = SolveWallCondensation(in);
  if (run.result.fault != SolveFault::kNone) {
    messages.ShowMessage(FaultMessage(run.result.fault));
    return std::nullopt;
  }
  return run;
}

CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             MessageSink& messages) {
  CalculationOutcome outcome;
  const std::optional<WallCondensationRun> run =
      RunWallCondensation(fields, messages, outcome.inputs);
  if (!run) return outcome;
  const WallCondensationResult& result = run->result;

  OutcomeWriter writer(outcome, ReportWriter::CondensationHeader());
  WriteCondensationProperties(writer, run->P, run->input.CpL);
  writer.EmptyLine();
  writer.ResultLine(kReynoldsNumber, "Reynolds number at the end of the wall = ", result.ReL,
                    kNoUnit);
  writer.ResultLine(kCondensationRate, "Condensation rate per unit width = ", result.Gamma,
                    kMassRateUnit);
  writer.ResultLine(kHeatTransferCoefficient, "Average heat transfer coefficient = ", result.h,
                    kCondensationCoefficientUnit);
  writer.Finish(CalculationOutcome::Status::kReport);
  return outcome;
}

}  // namespace dorix
