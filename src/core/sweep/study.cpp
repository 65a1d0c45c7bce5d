// SPDX-License-Identifier: MIT
#include "core/sweep/study.h"

#include "core/calc/outcome_record.h"
#include "core/fluids/fluid.h"
#include "core/solvers/wall_film.h"
#include "core/sweep/saturation_states.h"

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

// Every point of a fluid refused with one message.
void RefuseCurve(Study& study, StudyCurve& curve, const ProblemFields& fields, long count,
                 const std::string& message) {
  CalculationOutcome refused;
  refused.message = message;
  curve.points.assign(static_cast<std::size_t>(count),
                      StudyPoint{study.table.Point(fields, refused), {}, {}, {}});
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
  Study study{&problem, request.range, SweepTable(problem), 0, {}, std::nullopt};
  const bool difference = request.range.name == kSaturationDifferenceField.name;
  const std::string_view swept = difference ? kWallTempField.name : request.range.name;
  ProblemFields names = request.fields;
  const std::vector<FieldOption> options = BindFields(names);
  study.sweptColumn = *study.table.ColumnOf(FindOption(options, swept)->field.name);
  std::string refusal;
  if (difference && !request.fluids.empty()) {
    study.reducedPressure = ReducedPressure(request.fields, request.fluids.front(), store, refusal);
  }
  const double sign = DifferenceSign(request.fields);
  for (const int fluid : request.fluids) {
    StudyCurve& curve = study.curves.emplace_back();
    curve.fluid = fluid;
    ProblemFields fields = request.fields;
    double Tsat = 0.0;
    if (difference) {
      std::optional<SaturationState> state;
      if (study.reducedPressure) {
        state =
            StateAtReducedPressure(request.fields, fluid, *study.reducedPressure, store, refusal);
      }
      if (!state) {
        RefuseCurve(study, curve, request.fields, request.range.count, refusal);
        continue;
      }
      fields = state->fields;
      Tsat = state->Tsat;
      curve.pressure = state->pressure;
      curve.Tsat = Tsat;
    }
    curve.points.reserve(static_cast<std::size_t>(request.range.count));
    const CalculationSetup setup{&store, fluid, grav, {}};
    RunSweepOf(
        fields, swept, request.range.count,
        [&](long i) {
          const double value = request.range.Value(i);
          return difference ? Tsat + sign * value : value;
        },
        setup, jobs,
        [&](long, const ProblemFields& point, const CalculationOutcome& outcome) {
          StudyPoint row{study.table.Point(point, outcome), std::nullopt, std::nullopt,
                         std::nullopt};
          row.x = row.row.inputs[study.sweptColumn];
          if (difference && row.x) row.x = sign * (*row.x - Tsat);
          AddTransitions(outcome, grav, row);
          return row;
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
