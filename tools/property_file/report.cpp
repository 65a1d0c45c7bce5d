// SPDX-License-Identifier: MIT
#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "record_text.h"

namespace dorix::tools {

namespace {

std::string Format(const char* pattern, double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

std::string RangeText(double from, double to) {
  return ShortestText(static_cast<float>(from)) + " – " + ShortestText(static_cast<float>(to));
}

// Per fluid, the range of each column of the fluid window: the abscissae
// common to the column's reference tables and to its delivered curves.
std::string RangeTable(const PropertyFileBuild& build, const std::vector<CurveCheck>& checks) {
  struct Column {
    RangeColumn column;
    std::vector<int> codes;
    const char* title;
  };
  const Column columns[] = {
      {RangeColumn::kLiquid,
       {kLiquidDensity, kLiquidViscosity, kLiquidConductivity, kLiquidPrandtl},
       "Liquid (rol, mul, kl, prl)"},
      {RangeColumn::kVapor,
       {kVaporViscosity, kVaporConductivity, kVaporSpecificHeat},
       "Vapor (muv, kv, cpv)"},
      {RangeColumn::kSaturationTemperature, {kSaturationPressure}, "Tsat (psat)"},
      {RangeColumn::kSaturationPressure, {kSaturationTemperature}, "Psat (tsat)"},
      {RangeColumn::kSurfaceTension, {kSurfaceTension}, "sigma (sig)"},
      {RangeColumn::kSaturationTemperature, {kEnthalpyOfVaporization}, "hfg"},
  };
  std::string text =
      "| Fluid | Column | Unit | Reference tables | Delivered range |\n"
      "|---|---|---|---|---|\n";
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (const Column& c : columns) {
      double tableFrom = -INFINITY;
      double tableTo = INFINITY;
      double from = -INFINITY;
      double to = INFINITY;
      for (std::size_t i = 0; i < build.curves.size(); ++i) {
        const DeliveredCurve& curve = build.curves[i];
        if (curve.fluid != fluid ||
            std::find(c.codes.begin(), c.codes.end(), curve.code) == c.codes.end()) {
          continue;
        }
        tableFrom = std::max(tableFrom, curve.rows.front().x);
        tableTo = std::min(tableTo, curve.rows.back().x);
        from = std::max(from, static_cast<double>(checks[i].from));
        to = std::min(to, static_cast<double>(checks[i].to));
      }
      text += std::string("| ") + FluidName(fluid) + " | " + c.title + " | " +
              AbscissaUnit(c.column) + " | " + RangeText(tableFrom, tableTo) + " | " +
              RangeText(from, to) + " |\n";
    }
  }
  return text;
}

std::string CutList(const std::vector<RangeCut>& cuts) {
  if (cuts.empty()) return "None.\n";
  std::string text;
  for (const RangeCut& cut : cuts) {
    const char* unit = AbscissaUnit(ColumnOf(cut.code));
    text += std::string("- ") + FluidName(cut.fluid) + ", `" + CurveName(cut.fluid, cut.code) +
            "`: ends at " + ShortestText(static_cast<float>(cut.delivered)) + " " + unit +
            " instead of " + Format("%.10g", cut.tableEnd) + " " + unit + ".\n";
  }
  return text;
}

// The curves that take neighbouring rows as points (see ChooseNodes): from
// where, and how many of their stretches between points lie between
// neighbouring rows, checked by no row that is not a point.
std::string NeighbourList(const PropertyFileBuild& build) {
  std::string text;
  for (const DeliveredCurve& curve : build.curves) {
    int count = 0;
    int first = -1;
    for (std::size_t i = 0; i + 1 < curve.nodes.size(); ++i) {
      if (curve.nodes[i + 1] - curve.nodes[i] != 1) continue;
      if (first < 0) first = curve.nodes[i];
      ++count;
    }
    if (count == 0) continue;
    text += std::string("- ") + FluidName(curve.fluid) + ", `" + curve.name +
            "`: " + std::to_string(count) + " of its " + std::to_string(curve.nodes.size() - 1) +
            " stretches between points, the first from " +
            ShortestText(static_cast<float>(curve.rows[first].x)) + " " +
            AbscissaUnit(ColumnOf(curve.code)) + ".\n";
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
  return "### Delivered ranges\n\n" + RangeTable(build, checks) +
         "\n### Curves that end short of their reference tables\n\n" + CutList(build.cuts) +
         "\n### Curves with neighbouring rows as points\n\n" + NeighbourList(build) +
         "\n### Curves\n\n" + std::to_string(checks.size()) + " curves, " + std::to_string(points) +
         " points, " + std::to_string(build.text.size()) + " bytes.\n\n" +
         CurveTable(build, checks);
}

}  // namespace dorix::tools
