#include "property_file_build.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

#include "kink.h"
#include "node_choice.h"
#include "props/get_property.h"
#include "record_text.h"

namespace dorix::tools {

namespace {

struct Curve {
  DeliveredCurve delivered;
  CurveSamples samples;
  std::vector<int> borders;  // rows at a kink
};

using FluidCurves = std::map<int, Curve>;  // by property code

constexpr int kNoCap = std::numeric_limits<int>::max();

// The last row at or below x, or the first row when every row lies above.
int RowAtOrBelow(const std::vector<ReferenceRow>& rows, double x) {
  int found = 0;
  for (int i = 0; i < static_cast<int>(rows.size()) && rows[i].x <= x; ++i) found = i;
  return found;
}

// The first row at or above x, or the last row when every row lies below.
int RowAtOrAbove(const std::vector<ReferenceRow>& rows, double x) {
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (rows[i].x >= x) return i;
  }
  return static_cast<int>(rows.size()) - 1;
}

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

// Marks the normal boiling point on the vapour curves as a kink, and repairs
// the row there where it does not belong to the vapour.
bool MarkKinks(FluidCurves& curves, std::string& error) {
  ReferenceTable tsat{"", curves.at(kSaturationTemperature).delivered.rows};
  const auto boilingPoint = NormalBoilingPoint(tsat);
  if (!boilingPoint) {
    error = curves.at(kSaturationTemperature).delivered.name + " has no row at 101325 Pa";
    return false;
  }
  for (const int code : {kVaporViscosity, kVaporConductivity, kVaporSpecificHeat}) {
    if (!curves.contains(code)) continue;
    DeliveredCurve& delivered = curves.at(code).delivered;
    ReferenceTable table{delivered.name, delivered.rows};
    const auto row = RowNear(table, *boilingPoint);
    if (!row) continue;
    if (auto note = RepairKinkRow(table, *row)) {
      delivered.notes.push_back(*note);
      delivered.rows = table.rows;
    }
    curves.at(code).borders.push_back(*row);
  }
  return true;
}

bool LoadSamples(Curve& curve, std::string& error) {
  DeliveredCurve& delivered = curve.delivered;
  curve.samples.fluid = delivered.fluid;
  curve.samples.code = delivered.code;
  curve.samples.rows = delivered.rows;
  curve.samples.points = LoadedPoints(delivered.name, delivered.factor.text, delivered.rows, error);
  return !curve.samples.points.empty();
}

// Plans every curve of a group over the target range, ending no later than
// row `lastRowCap`. Where one curve cannot reach the end, the whole group
// ends where that curve does, so that the fluid window shows one range per
// column. Returns that end when the range was cut.
std::optional<double> PlanGroup(const std::vector<Curve*>& group, const AbscissaRange& target,
                                int lastRowCap) {
  std::optional<double> cutAt;
  for (bool replan = true; replan;) {
    replan = false;
    for (Curve* curve : group) {
      const auto& rows = curve->delivered.rows;
      NodeRequest request;
      request.first = RowAtOrBelow(rows, target.lo);
      request.last = std::min(RowAtOrAbove(rows, cutAt.value_or(target.hi)), lastRowCap);
      request.borders = curve->borders;
      request.tolerance = curve->delivered.tolerance;
      const NodePlan plan = ChooseNodes(curve->samples, request);
      curve->delivered.nodes = plan.nodes;
      if (plan.truncated) {
        cutAt = rows[plan.nodes.back()].x;
        replan = true;
        break;
      }
    }
  }
  return cutAt;
}

class FluidPlanner {
 public:
  FluidPlanner(int fluid, FluidCurves& curves, std::vector<RangeCut>& cuts)
      : fluid_(fluid), curves_(curves), cuts_(cuts) {}

  void Run() {
    PlanColumn(RangeColumn::kLiquid,
               {kLiquidDensity, kLiquidViscosity, kLiquidConductivity, kLiquidPrandtl});
    PlanColumn(RangeColumn::kVapor, {kVaporViscosity, kVaporConductivity, kVaporSpecificHeat});
    PlanColumn(RangeColumn::kSurfaceTension, {kSurfaceTension});
    PlanSaturation();
  }

 private:
  std::vector<Curve*> Group(std::initializer_list<int> codes) {
    std::vector<Curve*> group;
    for (const int code : codes) {
      if (curves_.contains(code)) group.push_back(&curves_.at(code));
    }
    return group;
  }

  // Plans a group and records where its range was cut short of the target.
  std::optional<double> Plan(RangeColumn column, const std::vector<Curve*>& group,
                             const AbscissaRange& target, int lastRowCap = kNoCap) {
    const auto& rows = group.front()->delivered.rows;
    const int requested = std::min(RowAtOrAbove(rows, target.hi), lastRowCap);
    const auto cutAt = PlanGroup(group, target, lastRowCap);
    if (cutAt) cuts_.push_back({fluid_, column, rows[requested].x, *cutAt});
    return cutAt;
  }

  void PlanColumn(RangeColumn column, std::initializer_list<int> codes) {
    Plan(column, Group(codes), DesignRange(fluid_, column));
  }

  // One saturation range, seen in temperature by psat and hfg and in
  // pressure by tsat: each covers its own column and what the other column
  // maps to, so that tsat's temperatures and psat's pressures stay inside the
  // other curves.
  void PlanSaturation() {
    const AbscissaRange temperatures = DesignRange(fluid_, RangeColumn::kSaturationTemperature);
    const AbscissaRange pressures = DesignRange(fluid_, RangeColumn::kSaturationPressure);
    const auto& psat = curves_.at(kSaturationPressure).delivered.rows;
    const auto& tsat = curves_.at(kSaturationTemperature).delivered.rows;

    const AbscissaRange pressureTarget{
        std::min(pressures.lo, psat[RowAtOrBelow(psat, temperatures.lo)].y),
        std::max(pressures.hi, psat[RowAtOrAbove(psat, temperatures.hi)].y)};
    const AbscissaRange temperatureTarget{
        std::min(temperatures.lo, tsat[RowAtOrBelow(tsat, pressureTarget.lo)].y),
        std::max(temperatures.hi, tsat[RowAtOrAbove(tsat, pressureTarget.hi)].y)};

    const auto cutAt =
        Plan(RangeColumn::kSaturationTemperature,
             Group({kSaturationPressure, kEnthalpyOfVaporization}), temperatureTarget);
    // Where the temperature range was cut, tsat stops at the last pressure
    // whose saturation temperature the other curves still cover.
    int lastTsatRow = kNoCap;
    if (cutAt) {
      lastTsatRow = RowAtOrAbove(tsat, pressureTarget.hi);
      while (lastTsatRow > 0 && tsat[lastTsatRow].y > *cutAt) --lastTsatRow;
      const double requested = tsat[RowAtOrAbove(tsat, pressureTarget.hi)].x;
      if (tsat[lastTsatRow].x < requested) {
        cuts_.push_back({fluid_, RangeColumn::kSaturationPressure, requested, tsat[lastTsatRow].x});
      }
    }
    Plan(RangeColumn::kSaturationPressure, Group({kSaturationTemperature}), pressureTarget,
         lastTsatRow);
  }

  int fluid_;
  FluidCurves& curves_;
  std::vector<RangeCut>& cuts_;
};

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
    FluidPlanner(fluid, curves, build.cuts).Run();

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
