// SPDX-License-Identifier: MIT
#include "python/point_batch.h"

#include <algorithm>
#include <limits>

#include "core/calc/report.h"
#include "core/sweep/parallel_chunks.h"
#include "core/text/round_trip_text.h"

namespace dorix::python {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

template <typename T>
const T& AtPoint(const std::vector<T>& values, long point) {
  return values.size() == 1 ? values.front() : values[static_cast<std::size_t>(point)];
}

// The column of this name, made (NaN throughout) the first time it is asked for.
NamedColumn& Column(std::vector<NamedColumn>& columns, std::string_view name, long count,
                    bool withAt) {
  const auto found = std::find_if(columns.begin(), columns.end(),
                                  [name](const NamedColumn& c) { return c.name == name; });
  if (found != columns.end()) return *found;
  const auto size = static_cast<std::size_t>(count);
  return columns.emplace_back(NamedColumn{name, std::vector<double>(size, kNone),
                                          std::vector<double>(withAt ? size : 0, kNone)});
}

void Store(std::vector<NamedColumn>& columns, const std::vector<NamedValue>& values,
           std::size_t point, long count, bool withAt) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const NamedValue& value = values[i];
    // Points of one problem name their values alike, mostly in the same
    // order and by the same static text: try that column first.
    const bool sameColumn = i < columns.size() && columns[i].name.data() == value.name.data();
    NamedColumn& column = sameColumn ? columns[i] : Column(columns, value.name, count, withAt);
    column.values[point] = value.value;
    if (withAt) column.at[point] = value.at;
  }
}

}  // namespace

std::string VaryingField::Text(long point) const {
  const auto i = static_cast<std::size_t>(point);
  return numbers ? RoundTripText(numbers[i]) : texts[i];
}

ProblemFields PointBatch::Fields(long point) const {
  ProblemFields pointFields = fields;
  const std::vector<FieldOption> options = BindFields(pointFields);
  for (const VaryingField& field : varying) *options[field.field].text = field.Text(point);
  return pointFields;
}

CalculationOutcome PointBatch::Calculate(long point) const {
  ProblemFields pointFields = Fields(point);
  if (AtPoint(saturated, point)) SelectSaturationTemperature(pointFields);
  CalculationSetup setup;
  setup.store = store.get();
  setup.fluid = AtPoint(fluids, point);
  return dorix::Calculate(pointFields, setup);
}

BatchColumns CalculateColumns(const PointBatch& batch, unsigned jobs) {
  BatchColumns columns;
  ProblemFields names = batch.fields;
  for (const FieldOption& option : BindFields(names)) {
    Column(columns.inputs, option.field.name, batch.count, false);
  }
  for (const std::string_view name : batch.problem->results) {
    Column(columns.results, name, batch.count, false);
  }
  columns.dryOut.assign(static_cast<std::size_t>(batch.count), 0);
  columns.messages.resize(static_cast<std::size_t>(batch.count));
  columns.notes.resize(static_cast<std::size_t>(batch.count));
  ParallelChunks(
      batch.count, jobs, [&batch](long point) { return batch.Calculate(point); },
      [&](long first, std::vector<CalculationOutcome>& outcomes) {
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
          CalculationOutcome& outcome = outcomes[i];
          const std::size_t point = static_cast<std::size_t>(first) + i;
          Store(columns.inputs, outcome.inputs, point, batch.count, false);
          Store(columns.properties, outcome.properties, point, batch.count, true);
          Store(columns.results, outcome.results, point, batch.count, false);
          columns.dryOut[point] = outcome.status == CalculationOutcome::Status::kDryOut;
          columns.messages[point] = std::move(outcome.message);
          columns.notes[point] = std::move(outcome.notes);
        }
      });
  return columns;
}

std::vector<std::string> CalculateReports(const PointBatch& batch, unsigned jobs) {
  std::vector<std::string> reports;
  reports.reserve(static_cast<std::size_t>(batch.count));
  ParallelChunks(
      batch.count, jobs,
      [&batch](long point) {
        std::string report = ReportText(batch.Calculate(point));
        std::erase(report, '\r');
        return report;
      },
      [&reports](long, std::vector<std::string>& chunk) {
        std::move(chunk.begin(), chunk.end(), std::back_inserter(reports));
      });
  return reports;
}

}  // namespace dorix::python
