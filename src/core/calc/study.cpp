// SPDX-License-Identifier: MIT
#include "core/calc/study.h"

#include "core/calc/outcome_record.h"
#include "core/fluids/fluid.h"
#include "core/solvers/wall_film.h"

namespace dorix {

namespace {

std::optional<double> Find(const std::vector<NamedValue>& values, std::string_view name) {
  for (const NamedValue& value : values) {
    if (value.name == name) return value.value;
  }
  return std::nullopt;
}

// The transition Reynolds numbers of a vertical-wall film, from the
// coefficients and properties the calculation used.
void AddTransitions(const CalculationOutcome& outcome, double grav, StudyPoint& point) {
  if (outcome.problem == ProblemKind::kTubeCondensation) return;
  const auto RhoL = Find(outcome.properties, kLiquidDensityName);
  const auto MuL = Find(outcome.properties, kLiquidViscosityName);
  const auto PrL = Find(outcome.properties, kLiquidPrandtlName);
  const auto C = Find(outcome.inputs, kCoeffCField.name);
  const auto v = Find(outcome.inputs, kCoeffvField.name);
  const auto D = Find(outcome.inputs, kCoeffDField.name);
  const auto w = Find(outcome.inputs, kCoeffwField.name);
  if (!RhoL || !MuL || !PrL || !C || !v || !D || !w) return;
  WallCorrelations k;
  k.C = *C;
  k.v = *v;
  k.D = *D;
  k.w = *w;
  const FilmScales scales = ComputeFilmScales(*RhoL, *MuL, *PrL, grav, k);
  point.ReWl = scales.ReWl;
  point.ReTur = scales.ReTur;
}

}  // namespace

std::size_t Study::RowCount() const {
  std::size_t rows = 0;
  for (const StudyCurve& curve : curves) rows += curve.points.size();
  return rows;
}

Study RunStudy(const StudyRequest& request, const PropertyStore& store, double grav,
               unsigned jobs) {
  const Problem& problem = ProblemOf(request.fields);
  Study study{&problem, request.range, SweepTable(problem), 0, {}};
  ProblemFields names = request.fields;
  const std::vector<FieldOption> options = BindFields(names);
  study.sweptColumn = *study.table.ColumnOf(FindOption(options, request.range.name)->field.name);
  for (const int fluid : request.fluids) {
    StudyCurve& curve = study.curves.emplace_back();
    curve.fluid = fluid;
    curve.points.reserve(static_cast<std::size_t>(request.range.count));
    const CalculationSetup setup{&store, fluid, grav, {}};
    RunSweep(
        request.fields, request.range, setup, jobs,
        [&](long, const ProblemFields& fields, const CalculationOutcome& outcome) {
          StudyPoint point{study.table.Point(fields, outcome), std::nullopt, std::nullopt};
          AddTransitions(outcome, grav, point);
          return point;
        },
        [&](long, std::vector<StudyPoint>& points) {
          std::move(points.begin(), points.end(), std::back_inserter(curve.points));
        });
  }
  return study;
}

std::string StudyCsv(const Study& study) {
  const bool fluidColumn = study.curves.size() > 1;
  std::string csv = (fluidColumn ? "fluid," : "") + study.table.CsvHeader();
  for (const StudyCurve& curve : study.curves) {
    const std::string lead = fluidColumn ? std::string(FindFluid(curve.fluid)->name) + "," : "";
    for (const StudyPoint& point : curve.points) csv += lead + study.table.CsvRow(point.row);
  }
  return csv;
}

}  // namespace dorix
