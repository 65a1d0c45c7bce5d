// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/calc/calculation.h"
#include "core/solvers/tube_profile.h"
#include "core/solvers/wall_profile.h"

namespace dorix {

// The profile of a problem window: along the wall, or tube by tube.
using Profile = std::variant<WallProfile, TubeProfile>;

// A profile, or the message that refused it, with the slots as the run left
// them.
struct ProfileOutcome {
  std::optional<Profile> profile;
  std::string message;
  PropertySlots propertySlots;
};

// Each takes the window's fields through the very reading, checks and
// messages of its Calculate, then draws the solved film; no profile, with the
// same message Calculate would give, when the input is refused.
ProfileOutcome ProfileWallCondensation(const WallCondensationFields& fields,
                                       const CalculationSetup& setup, const ProfileGrid& grid);
ProfileOutcome ProfileTubeCondensation(const TubeCondensationFields& fields,
                                       const CalculationSetup& setup);
ProfileOutcome ProfileEvaporation(const EvaporationFields& fields, const CalculationSetup& setup,
                                  const ProfileGrid& grid);

}  // namespace dorix
