// SPDX-License-Identifier: MIT
#include "core/sweep/comparison.h"

#include <algorithm>

#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/calc/row_factors.h"

namespace dorix {

namespace {

using Status = CalculationOutcome::Status;

ComparisonRow RowOf(const Comparison& comparison, const ProblemFields& fields,
                    const CalculationSetup& setup) {
  const CalculationOutcome outcome = Calculate(fields, setup);
  ComparisonRow row;
  row.status = outcome.status;
  row.message = outcome.status == Status::kDryOut ? std::string(kDryOutNote) : outcome.message;
  row.notes = outcome.notes;
  for (std::size_t i = 0; i < comparison.quantities.size(); ++i) {
    for (const NamedValue& result : outcome.results) {
      if (result.name == comparison.quantities[i]) row.values[i] = result.value;
    }
  }
  return row;
}

void ComparePresets(Comparison& comparison, const ProblemFields& fields,
                    const CalculationSetup& setup) {
  const CoefficientTexts& own = *CoefficientsOf(fields);
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    ProblemFields variant = fields;
    *CoefficientsOf(variant) = preset.texts;
    ComparisonRow row = RowOf(comparison, variant, setup);
    row.name = preset.name;
    row.source = preset.source;
    row.current = preset.texts == own;
    comparison.rows.push_back(std::move(row));
  }
  if (PresetOf(own) == nullptr) {
    ComparisonRow row = RowOf(comparison, fields, setup);
    row.name = kCustomPresetName;
    row.current = true;
    comparison.rows.push_back(std::move(row));
  }
}

void CompareRowFactors(Comparison& comparison, const TubeCondensationFields& fields,
                       const CalculationSetup& setup) {
  for (const RowFactorChoice& choice : RowFactorChoices()) {
    TubeCondensationFields variant = fields;
    variant.rowFactor = choice.factor;
    ComparisonRow row = RowOf(comparison, variant, setup);
    row.name = choice.name;
    row.source = choice.title;
    row.current = choice.factor == fields.rowFactor;
    comparison.rows.push_back(std::move(row));
  }
}

void FindSpread(Comparison& comparison) {
  for (std::size_t i = 0; i < comparison.quantities.size(); ++i) {
    std::vector<double> values;
    for (const ComparisonRow& row : comparison.rows) {
      if (row.status == Status::kReport) values.push_back(row.values[i]);
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (values.size() >= 2 && *low > 0) comparison.spread[i] = *high / *low;
  }
}

}  // namespace

Comparison Compare(const ProblemFields& fields, const CalculationSetup& setup) {
  Comparison comparison;
  const bool evaporation = std::holds_alternative<EvaporationFields>(fields);
  comparison.quantities = {kReynoldsNumber, evaporation ? kEvaporationRate : kCondensationRate,
                           kHeatTransferCoefficient};
  if (const auto* tubes = std::get_if<TubeCondensationFields>(&fields)) {
    comparison.choice = "row_factor";
    CompareRowFactors(comparison, *tubes, setup);
  } else {
    comparison.choice = "preset";
    ComparePresets(comparison, fields, setup);
  }
  FindSpread(comparison);
  return comparison;
}

}  // namespace dorix
