// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <initializer_list>

namespace dorix {

// Why a computation has no answer for its inputs. The checked inputs of the
// windows can still make a formula undefined (odd coefficients, extreme
// temperatures); such a run is refused with a message instead of a report.
enum class SolveFault {
  kNone,
  kLengthNotPositive,
  kCoefficientAZero,
  kCoefficientBZero,
  kWavyTransitionNotPositive,
  kTurbulentTransitionNotPositive,
  kModifiedEnthalpyNotPositive,
  kNoTurbulentSolution,
  kNotFinite,
};

// The "*** ERROR: " message that refuses a run for this fault.
const char* FaultMessage(SolveFault fault);

// True when no value is infinite or NaN: a report never shows either.
inline bool AllFinite(std::initializer_list<double> values) {
  for (const double value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

}  // namespace dorix
