// SPDX-License-Identifier: MIT
#include "core/calc/report.h"

#include <span>

#include "core/calc/outcome_record.h"
#include "core/calc/row_factors.h"
#include "core/text/format_value.h"

namespace dorix {

ReportWriter ReportWriter::CondensationHeader() {
  return ReportWriter("Output:" + std::string(kCrLf) + "        " + std::string(kCrLf));
}

ReportWriter ReportWriter::EvaporationHeader() {
  return ReportWriter("Output :" + std::string(kCrLf));
}

ReportWriter::ReportWriter(std::string header) : text_(std::move(header)) {
  // A whole report fits: one allocation for all its lines.
  text_.reserve(1024);
}

void ReportWriter::AppendLine(std::string_view line) {
  text_ += line;
  text_ += kCrLf;
}

void ReportWriter::AppendEmptyLine() {
  text_ += kCrLf;
}

void ReportWriter::AppendSaturationLine(double tsat, double pressure) {
  text_ += "Saturation temperature = ";
  AppendFormatValue(text_, tsat);
  text_ += " K at P=";
  AppendFormatValue(text_, pressure);
  AppendLine(" Pa");
}

void ReportWriter::AppendPropertyLine(const PropertyLineText& line, double value,
                                      double temperature) {
  text_ += line.label;
  AppendFormatValue(text_, value);
  text_ += line.join;
  AppendFormatValue(text_, temperature);
  AppendLine(" K");
}

void ReportWriter::AppendResultLine(std::string_view label, double value, std::string_view unit) {
  text_ += label;
  AppendFormatValue(text_, value);
  AppendLine(unit);
}

namespace {

struct PropertyLineOf {
  std::string_view name;
  PropertyLineText line;
};

constexpr PropertyLineOf kPropertyLines[] = {
    {kLiquidDensityName, kLiquidDensityLine},
    {kLiquidViscosityName, kLiquidViscosityLine},
    {kLiquidConductivityName, kLiquidConductivityLine},
    {kLiquidSpecificHeatName, kLiquidSpecificHeatLine},
    {kLiquidPrandtlName, kLiquidPrandtlLine},
    {kVaporSpecificHeatName, kVaporSpecificHeatLine},
    {kEnthalpyOfVaporizationName, kEnthalpyOfVaporizationLine},
    {kVaporDensityName, kVaporDensityLine},
};

struct ResultLine {
  std::string_view name;
  std::string_view label;
  std::string_view unit;
};

constexpr ResultLine kWallCondensationResults[] = {
    {kReynoldsNumber, "Reynolds number at the end of the wall = ", kNoUnit},
    {kCondensationRate, "Condensation rate per unit width = ", kMassRateUnit},
    {kHeatTransferCoefficient,
     "Average heat transfer coefficient = ", kCondensationCoefficientUnit},
};

constexpr ResultLine kTubeCondensationResults[] = {
    {kReynoldsNumber, "Film Reynolds number Re(pi) = ", kNoUnit},
    {kHeatTransferCoefficient,
     "Average heat transfer coefficient = ", kCondensationCoefficientUnit},
    {kCondensationRate, "Condensation rate per unit length = ", kMassRateUnit},
};

constexpr ResultLine kEvaporationResults[] = {
    {kReynoldsNumber, "Reynolds number at the end of the wall = ", kNoUnit},
    {kFinalMassFlowRate, "Final mass flow rate = ", kMassRateUnit},
    {kEvaporationRate, "Evaporation rate per unit width = ", kMassRateUnit},
    {kHeatTransferCoefficient, "Average heat transfer coefficient = ", kEvaporationCoefficientUnit},
};

std::span<const ResultLine> ResultLinesOf(ProblemKind problem) {
  switch (problem) {
    case ProblemKind::kWallCondensation:
      return kWallCondensationResults;
    case ProblemKind::kTubeCondensation:
      return kTubeCondensationResults;
    case ProblemKind::kWallEvaporation:
      break;
  }
  return kEvaporationResults;
}

template <typename Line>
const Line* FindLine(std::span<const Line> lines, std::string_view name) {
  for (const Line& line : lines) {
    if (line.name == name) return &line;
  }
  return nullptr;
}

}  // namespace

std::string ReportText(const CalculationOutcome& outcome) {
  using Status = CalculationOutcome::Status;
  if (outcome.status == Status::kRefused) return {};
  ReportWriter report = outcome.problem == ProblemKind::kWallEvaporation
                            ? ReportWriter::EvaporationHeader()
                            : ReportWriter::CondensationHeader();
  for (const NamedValue& property : outcome.properties) {
    if (property.name == kSaturationTemperatureName) {
      report.AppendSaturationLine(property.value, property.at);
    } else if (const auto* line =
                   FindLine(std::span<const PropertyLineOf>(kPropertyLines), property.name)) {
      report.AppendPropertyLine(line->line, property.value, property.at);
    }
  }
  if (outcome.status == Status::kDryOut) return report.text();
  report.AppendEmptyLine();
  for (const NamedValue& result : outcome.results) {
    if (const ResultLine* line = FindLine(ResultLinesOf(outcome.problem), result.name)) {
      report.AppendResultLine(line->label, result.value, line->unit);
    }
  }
  // Only a factor other than the default is named, so default reports stay as they were.
  if (outcome.problem == ProblemKind::kTubeCondensation &&
      outcome.rowFactor != RowFactor::kNusselt) {
    report.AppendLine(RowFactorReportLine(outcome.rowFactor));
  }
  return report.text();
}

}  // namespace dorix
