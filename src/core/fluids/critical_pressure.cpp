// SPDX-License-Identifier: MIT
#include "core/fluids/critical_pressure.h"

#include <string_view>

#include "core/fluids/fluid.h"

namespace dorix {

namespace {

struct CriticalPoint {
  std::string_view fluid;  // the fluid's name in the fluid table
  double pressure;         // Pa
};

// The critical pressures of the equations of state the property file was
// made with (data/README.md); mercury's as measured, about 167 MPa.
constexpr CriticalPoint kCriticalPoints[] = {
    {"water", 22.064e6},  {"ammonia", 11.333e6}, {"nitrogen", 3.3958e6},
    {"mercury", 167.0e6}, {"r22", 4.99e6},       {"r134a", 4.05928e6},
};

}  // namespace

std::optional<double> CriticalPressure(int fluid) {
  const Fluid* found = FindFluid(fluid);
  if (found == nullptr) return std::nullopt;
  for (const CriticalPoint& point : kCriticalPoints) {
    if (point.fluid == found->name) return point.pressure;
  }
  return std::nullopt;
}

}  // namespace dorix
