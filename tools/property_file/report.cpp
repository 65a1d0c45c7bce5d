#include "report.h"

#include <cstdio>

#include "props/get_property.h"
#include "record_text.h"

namespace dorix::tools {

namespace {

std::string Format(const char* pattern, double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

const CurveCheck& CheckOf(const std::vector<CurveCheck>& checks, int fluid, int code) {
  const std::string name = CurveName(fluid, code);
  for (const CurveCheck& check : checks) {
    if (check.name == name) return check;
  }
  return checks.front();
}

std::string Delivered(const CurveCheck& check) {
  return ShortestText(check.from) + " – " + ShortestText(check.to);
}

std::string Design(const AbscissaRange& range) {
  return Format("%g", range.lo) + " – " + Format("%g", range.hi);
}

// Per fluid, the range of each column of the fluid window as the loaded file
// gives it, and the range the program was designed for.
std::string RangeTable(const std::vector<CurveCheck>& checks) {
  struct Column {
    RangeColumn column;
    int code;  // the curve whose range the column shows
    const char* title;
  };
  const Column columns[] = {
      {RangeColumn::kLiquid, kLiquidDensity, "Liquid (rol, mul, kl, prl)"},
      {RangeColumn::kVapor, kVaporViscosity, "Vapor (muv, kv, cpv)"},
      {RangeColumn::kSaturationTemperature, kSaturationPressure, "Tsat (psat)"},
      {RangeColumn::kSaturationPressure, kSaturationTemperature, "Psat (tsat)"},
      {RangeColumn::kSurfaceTension, kSurfaceTension, "sigma (sig)"},
      {RangeColumn::kSaturationTemperature, kEnthalpyOfVaporization, "hfg"},
  };
  std::string text =
      "| Fluid | Column | Unit | Design range | Delivered range |\n"
      "|---|---|---|---|---|\n";
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (const Column& c : columns) {
      const bool designed = c.code != kEnthalpyOfVaporization;
      text += std::string("| ") + FluidName(fluid) + " | " + c.title + " | " +
              AbscissaUnit(c.column) + " | " +
              (designed ? Design(DesignRange(fluid, c.column)) : "–") + " | " +
              Delivered(CheckOf(checks, fluid, c.code)) + " |\n";
    }
  }
  return text;
}

std::string CutList(const std::vector<RangeCut>& cuts) {
  if (cuts.empty()) return "None.\n";
  std::string text;
  for (const RangeCut& cut : cuts) {
    text += std::string("- ") + FluidName(cut.fluid) + ", " + ColumnTitle(cut.column) +
            ": ends at " + ShortestText(static_cast<float>(cut.delivered)) + " " +
            AbscissaUnit(cut.column) + " instead of " + Format("%.10g", cut.requested) + " " +
            AbscissaUnit(cut.column) + ".\n";
  }
  return text;
}

std::string RepairList(const std::vector<DeliveredCurve>& curves) {
  std::string text;
  for (const DeliveredCurve& curve : curves) {
    for (const std::string& note : curve.notes) text += "- `" + curve.name + "`: " + note + ".\n";
  }
  return text.empty() ? "None.\n" : text;
}

std::string CurveTable(const PropertyFileBuild& build, const std::vector<CurveCheck>& checks) {
  std::string text =
      "| Curve | Points | From | To | Unit | Factor | Written in | Rows checked | Tolerance "
      "| Largest error | at |\n"
      "|---|---|---|---|---|---|---|---|---|---|---|\n";
  for (std::size_t i = 0; i < build.curves.size(); ++i) {
    const DeliveredCurve& curve = build.curves[i];
    const CurveCheck& check = checks[i];
    text += "| `" + curve.name + "` | " + std::to_string(check.points) + " | " +
            ShortestText(check.from) + " | " + ShortestText(check.to) + " | " +
            AbscissaUnit(ColumnOf(curve.code)) + " | " + curve.factor.text + " | " +
            curve.factor.writtenUnit + " | " + std::to_string(check.rowsChecked) + " | " +
            Format("%.0e", curve.tolerance) + " | " + Format("%.2e", check.largestError) + " | " +
            Format("%.10g", check.largestErrorAt) + " |\n";
  }
  return text;
}

}  // namespace

std::string ReportSection(const PropertyFileBuild& build, const std::vector<CurveCheck>& checks) {
  int points = 0;
  for (const CurveCheck& check : checks) points += check.points;
  return "### Delivered ranges\n\n" + RangeTable(checks) +
         "\n### Ranges cut short near the critical point\n\n" + CutList(build.cuts) +
         "\n### Repaired reference rows\n\n" + RepairList(build.curves) + "\n### Curves\n\n" +
         std::to_string(checks.size()) + " curves, " + std::to_string(points) + " points, " +
         std::to_string(build.text.size()) + " bytes.\n\n" + CurveTable(build, checks);
}

}  // namespace dorix::tools
