#pragma once

#include <optional>
#include <variant>

#include "core/calc/calculation.h"
#include "core/solvers/tube_profile.h"
#include "core/solvers/wall_profile.h"
#include "core/state/message_sink.h"

namespace dorix {

// The profile of a problem window: along the wall, or tube by tube.
using Profile = std::variant<WallProfile, TubeProfile>;

// Each takes the window's fields through the very reading, checks and
// messages of its Calculate, then draws the solved film; none, with the same
// message Calculate would show, when the input is refused. Like Calculate it
// fills the shared slots; it writes no report.
std::optional<Profile> ProfileWallCondensation(const WallCondensationFields& fields,
                                               MessageSink& messages, const ProfileGrid& grid);
std::optional<Profile> ProfileTubeCondensation(const TubeCondensationFields& fields,
                                               MessageSink& messages);
std::optional<Profile> ProfileEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                          const ProfileGrid& grid);

}  // namespace dorix
