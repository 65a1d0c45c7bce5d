// SPDX-License-Identifier: MIT
#include "core/props/saturated_vapor.h"

#include <algorithm>
#include <cmath>

#include "core/props/property_curve.h"

namespace dorix {

namespace {

// The slope of psat by a central difference over ±0.05 K, kept inside the
// curve: wide enough against the single-precision points, narrow against
// the curvature of ln p.
std::optional<double> SaturationPressureSlope(const PropertyStore& store, int fluid, double T) {
  const int slot = store.CurveSlot(fluid, kSaturationPressure);
  if (slot == 0) return std::nullopt;
  const CurveView curve = CurveInSlot(store, slot);
  if (curve.n < 4) return std::nullopt;
  constexpr double kHalfStep = 0.05;
  const double low = std::max(T - kHalfStep, static_cast<double>(curve.X[1]));
  const double high = std::min(T + kHalfStep, static_cast<double>(curve.X[curve.n]));
  if (!(high > low)) return std::nullopt;
  const auto pLow = EvaluateCurve(curve, low);
  const auto pHigh = EvaluateCurve(curve, high);
  if (!pLow || !pHigh) return std::nullopt;
  return (*pHigh - *pLow) / (high - low);
}

}  // namespace

std::optional<double> SaturatedVaporDensity(const PropertyStore& store, int fluid, double Tsat) {
  const auto rhoL = LookUpProperty(store, fluid, kLiquidDensity, Tsat);
  const auto hfg = LookUpProperty(store, fluid, kEnthalpyOfVaporization, Tsat);
  const auto slope = SaturationPressureSlope(store, fluid, Tsat);
  if (!rhoL || !hfg || !slope || !(*slope > 0) || !(*rhoL > 0) || !(Tsat > 0)) {
    return std::nullopt;
  }
  const double specificVolume = 1.0 / *rhoL + *hfg / (Tsat * *slope);
  if (!(specificVolume > 0) || !std::isfinite(specificVolume)) return std::nullopt;
  return 1.0 / specificVolume;
}

}  // namespace dorix
