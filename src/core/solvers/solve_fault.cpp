// SPDX-License-Identifier: MIT
#include "core/solvers/solve_fault.h"

namespace dorix {

const char* FaultMessage(SolveFault fault) {
  switch (fault) {
    case SolveFault::kNone:
      return "";
    case SolveFault::kLengthNotPositive:
      return "*** ERROR: Length must be greater than zero.";
    case SolveFault::kCoefficientAZero:
      return "*** ERROR: Coefficient A must not be zero.";
    case SolveFault::kCoefficientBZero:
      return "*** ERROR: Coefficient B must not be zero.";
    case SolveFault::kWavyTransitionNotPositive:
      return "*** ERROR: Transition Reynolds number Re(wl) = C*Pr^v must be greater than zero.";
    case SolveFault::kTurbulentTransitionNotPositive:
      return "*** ERROR: Transition Reynolds number Re(tur) = D*Pr^w must be greater than zero.";
    case SolveFault::kModifiedEnthalpyNotPositive:
      return "*** ERROR: Modified enthalpy of vaporization hfg* is zero or negative for these "
             "temperatures.";
    case SolveFault::kNoTurbulentSolution:
      return "*** ERROR: The turbulent law Nu = B*Re^m*Pr^s has no real solution at the end of the "
             "wall for these coefficients.";
    case SolveFault::kNotFinite:
      return "*** ERROR: The calculation overflows or is undefined for these inputs; check the "
             "values and coefficients.";
  }
  return "";
}

}  // namespace dorix
