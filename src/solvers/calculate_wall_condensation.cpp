#include "app/module1.h"
#include "solvers/calculation.h"
#include "solvers/condensation_steps.h"
#include "solvers/condensing_wall.h"
#include "solvers/field_reader.h"
#include "solvers/outcome_writer.h"

namespace dorix {

namespace {

constexpr const char* kVaporBelowWall = "*** ERROR: Vapor temp. should be higher than Wall temp.";
constexpr const char* kVaporBelowSaturation =
    "*** ERROR: Vapor temp. should be higher than Saturation temp.";
constexpr const char* kWallNotBelowSaturation =
    "*** ERROR: Wall temp. should be lower than Saturation temp.";

}  // namespace

CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             MessageSink& messages) {
  CalculationOutcome outcome;
  auto& g = Module1;
  FieldReader read(messages, outcome.inputs);
  WallCondensationInput in;
  double P = 0.0;
  if (!read.Read(kPressureField, fields.pressure, P) ||
      !ReadVaporTemperature(read, fields.tempTypeIndex, fields.vaporTemp, P, in.Tv) ||
      !read.Read(kWallTempField, fields.wallTemp, in.Tw) ||
      !read.Read(kLengthField, fields.length, in.L) ||
      !read.ReadCoefficients(fields.coefficients, in.coefficients)) {
    return outcome;
  }

  if (!LookUpSaturationTemperature(P, messages)) return outcome;
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
    return outcome;
  }
  if (!LookUpFilmProperties(in.Tw, in.Tv, messages)) return outcome;

  TakeSharedProperties(in);
  const WallCondensationResult result = SolveWallCondensation(in);
  if (result.fault != SolveFault::kNone) {
    messages.ShowMessage(FaultMessage(result.fault));
    return outcome;
  }

  OutcomeWriter writer(outcome, ReportWriter::CondensationHeader());
  WriteCondensationProperties(writer, P, in.CpL);
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
