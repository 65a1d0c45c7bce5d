// SPDX-License-Identifier: MIT
#include "property_file_build.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "kink.h"
#include "node_choice.h"
#include "record_text.h"

namespace dorix::tools {

namespace {

struct Curve {
  DeliveredCurve delivered;
  CurveSamples samples;
  std::vector<int> borders;  // rows at a kink
};

using FluidCurves = std::map<int, Curve>;  // by property code

bool ReadFluid(const std::filesystem::path& folder, int fluid, FluidCurves& curves,
               std::string& error) {
  for (int code = 1; code <= kPropertyCodeCount; ++code) {
    if (IsConstantProperty(fluid, code)) continue;
    Curve& curve = curves[code];
    DeliveredCurve& delivered = curve.delivered;
    delivered.fluid = fluid;
    delivered.code = code;
    delivered.name = CurveName(fluid, code);
    delivered.factor = ScaleFactorOf(code);
    delivered.tolerance = ToleranceOf(code);
    ReferenceTable table = ReadReferenceTable(folder, delivered.name, error);
    if (table.rows.empty()) return false;
    delivered.rows = std::move(table.rows);
  }
  return true;
}

// Marks the normal boiling point on the vapour curves as a kink: the row
// there must lie on the border between two windows. A fluid whose whole
// saturation line lies above 1 atm (CO2) has none: its vapour curves are
// all at 1 atm.
bool MarkKinks(FluidCurves& curves, std::string& error) {
  ReferenceTable tsat{"", curves.at(kSaturationTemperature).delivered.rows};
  if (tsat.rows.front().x > kAtmosphere) return true;
  const auto boilingPoint = NormalBoilingPoint(tsat);
  if (!boilingPoint) {
    error = curves.at(kSaturationTemperature).delivered.name + " has no row at 101325 Pa";
    return false;
  }
  for (const int code : {kVaporViscosity, kVaporConductivity, kVaporSpecificHeat}) {
    if (!curves.contains(code)) continue;
    Curve& curve = curves.at(code);
    const ReferenceTable table{curve.delivered.name, curve.delivered.rows};
    if (const auto row = RowNear(table, *boilingPoint)) curve.borders.push_back(*row);
  }
  return true;
}

bool LoadSamples(Curve& curve, std::string& error) {
  DeliveredCurve& delivered = curve.delivered;
  curve.samples.rows = delivered.rows;
  curve.samples.points = LoadedPoints(delivered.name, delivered.factor.text, delivered.rows, error);
  return !curve.samples.points.empty();
}

// Plans a curve over its reference rows, up to row `lastRow` at most. Where
// the tolerance cannot be met up to there (near the critical point), the
// curve ends on the last row it reaches.
void PlanCurve(Curve& curve, int lastRow) {
  NodeRequest request;
  const std::vector<ReferenceRow>& rows = curve.delivered.rows;
  const double start = CurveStart(curve.delivered.fluid, curve.delivered.code);
  while (request.first < lastRow && rows[request.first].x < start) ++request.first;
  request.last = lastRow;
  request.borders = curve.borders;
  request.tolerance = curve.delivered.tolerance;
  curve.delivered.nodes = ChooseNodes(curve.samples, request).nodes;
}

int LastRow(const Curve& curve) {
  return static_cast<int>(curve.delivered.rows.size()) - 1;
}

// Every curve of a fluid runs over its whole reference table, as far as the
// tolerance allows. The saturation temperature stops at the last pressure
// whose saturation temperature the temperature curves of the saturation line
// (psat, hfg) still reach, so that a condensation run never looks up hfg
// beyond its end. Records each curve that ends short of its table.
void PlanFluid(FluidCurves& curves, std::vector<RangeCut>& cuts) {
  for (auto& [code, curve] : curves) {
    if (code != kSaturationTemperature) PlanCurve(curve, LastRow(curve));
  }
  double temperatureEnd = INFINITY;
  for (const int code : {kSaturationPressure, kEnthalpyOfVaporization}) {
    const DeliveredCurve& delivered = curves.at(code).delivered;
    temperatureEnd = std::min(temperatureEnd, delivered.rows[delivered.nodes.back()].x);
  }
  Curve& tsat = curves.at(kSaturationTemperature);
  int lastTsatRow = LastRow(tsat);
  while (lastTsatRow > 0 && tsat.delivered.rows[lastTsatRow].y > temperatureEnd) --lastTsatRow;
  PlanCurve(tsat, lastTsatRow);

  for (const auto& [code, curve] : curves) {
    const DeliveredCurve& delivered = curve.delivered;
    if (delivered.nodes.empty() || delivered.nodes.back() == LastRow(curve)) continue;
    cuts.push_back(
        {delivered.fluid, code, delivered.rows.back().x, delivered.rows[delivered.nodes.back()].x});
  }
}

}  // namespace

PropertyFileBuild BuildPropertyFile(const std::filesystem::path& referenceFolder,
                                    std::string& error) {
  PropertyFileBuild build;
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    FluidCurves curves;
    if (!ReadFluid(referenceFolder, fluid, curves, error) || !MarkKinks(curves, error)) return {};
    for (auto& [code, curve] : curves) {
      if (!LoadSamples(curve, error)) return {};
    }
    PlanFluid(curves, build.cuts);

    for (auto& [code, curve] : curves) {
      DeliveredCurve& delivered = curve.delivered;
      if (delivered.nodes.size() < 4) {
        error = delivered.name + ": no window of four points meets the tolerance";
        return {};
      }
      std::vector<ReferenceRow> points;
      for (const int node : delivered.nodes) points.push_back(delivered.rows[node]);
      build.text += RecordText(delivered.name, delivered.factor.text, points);
      build.curves.push_back(std::move(delivered));
    }
  }
  return build;
}

}  // namespace dorix::tools
