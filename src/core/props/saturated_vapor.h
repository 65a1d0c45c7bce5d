// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/props/property_store.h"

namespace dorix {

// Density of the saturated vapour at Tsat [kg/m³] from the file's curves by
// Clapeyron's equation: 1/ρv = 1/ρl + hfg/(Tsat·dpsat/dT), with ρl, hfg and
// the slope of psat at Tsat. No new data: the curves of the saturation line
// fix it. None where Tsat lies beyond one of those curves or the slope is
// not positive.
std::optional<double> SaturatedVaporDensity(const PropertyStore& store, int fluid, double Tsat);

}  // namespace dorix
