// SPDX-License-Identifier: MIT
#include "core/fluids/critical_pressure.h"

#include "core/fluids/fluid.h"

namespace dorix {

std::optional<double> CriticalPressure(int fluid) {
  const Fluid* found = FindFluid(fluid);
  if (found == nullptr) return std::nullopt;
  return found->criticalPressure;
}

}  // namespace dorix
