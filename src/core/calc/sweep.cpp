// SPDX-License-Identifier: MIT
#include "core/calc/sweep.h"

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

}  // namespace dorix
