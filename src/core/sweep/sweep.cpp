// SPDX-License-Identifier: MIT
#include "core/sweep/sweep.h"

#include <cmath>

namespace dorix {

double SweepRange::Value(long i) const {
  if (i == count - 1) return stop;
  if (i == 0) return start;
  const double t = static_cast<double>(i) / static_cast<double>(count - 1);
  if (logarithmic) return start * std::pow(stop / start, t);
  return start + (stop - start) * t;
}

SweepRange::Fault SweepRange::Check() const {
  if (logarithmic) {
    if (!((start > 0.0 && stop > 0.0) || (start < 0.0 && stop < 0.0))) {
      return Fault::kLogarithmicSigns;
    }
    return std::isfinite(stop / start) ? Fault::kNone : Fault::kTooWide;
  }
  return std::isfinite(stop - start) ? Fault::kNone : Fault::kTooWide;
}

FieldReadings FixedFieldReadings(const ProblemFields& fields, std::string_view name) {
  ProblemFields texts = fields;
  const std::vector<FieldOption> options = BindFields(texts);
  const FieldOption* swept = FindOption(options, name);
  FieldReadings readings;
  for (const FieldOption& option : options) {
    if (&option != swept) readings.Add(option.field, *option.text);
  }
  return readings;
}

}  // namespace dorix
