// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/calc/calculation.h"
#include "core/calc/profile.h"
#include "core/state/message_sink.h"
#include "core/state/shared_calculation.h"

namespace dorix::test {

// A vertical-wall run of either window, as typed: the defaults but for the
// length, the initial flow rate (evaporation), the exponents n and m and
// the wavy-laminar factor A.
struct WallRun {
  bool evaporating = false;
  const char* length = "1.0";
  const char* flowRate = "1.0";
  const char* n = "-0.22";
  const char* m = "0.4";
  const char* A = "0.822";

  WallCondensationFields Condensation() const;
  EvaporationFields Evaporation() const;
  CalculationOutcome Calculate(MessageSink& messages) const;
  std::optional<Profile> Plot(MessageSink& messages, const ProfileGrid& grid = {}) const;
};

}  // namespace dorix::test
