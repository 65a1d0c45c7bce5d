// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/calc/calculation.h"
#include "core/calc/profile.h"
#include "core/state/message_sink.h"

namespace dorix {

// The windows' way into the calculations: each runs the core's calculation
// on the shared state (store, FluidNo, Grav and the property slots), writes
// the slots back as the run left them, refused or not, and shows a refusal's
// message through `messages`. The numbers are the core's, bit for bit.

// The shared state as a calculation's setup.
CalculationSetup SharedSetup();

CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             MessageSink& messages);
CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             MessageSink& messages);
CalculationOutcome CalculateEvaporation(const EvaporationFields& fields, MessageSink& messages);

std::optional<Profile> ProfileWallCondensation(const WallCondensationFields& fields,
                                               MessageSink& messages, const ProfileGrid& grid);
std::optional<Profile> ProfileTubeCondensation(const TubeCondensationFields& fields,
                                               MessageSink& messages);
std::optional<Profile> ProfileEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                          const ProfileGrid& grid);

}  // namespace dorix
