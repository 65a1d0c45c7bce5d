// SPDX-License-Identifier: MIT
#include "core/state/shared_calculation.h"

#include "core/state/module1.h"

namespace dorix {

namespace {

// Hands a run's slots and message back to the shared state.
template <typename Outcome>
Outcome Shared(Outcome outcome, MessageSink& messages) {
  static_cast<PropertySlots&>(Module1) = outcome.propertySlots;
  if (!outcome.message.empty()) messages.ShowMessage(outcome.message);
  return outcome;
}

}  // namespace

CalculationSetup SharedSetup() {
  return {&Module1.Store, Module1.FluidNo, Module1.Grav, Module1};
}

CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             MessageSink& messages) {
  return Shared(CalculateWallCondensation(fields, SharedSetup()), messages);
}

CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             MessageSink& messages) {
  return Shared(CalculateTubeCondensation(fields, SharedSetup()), messages);
}

CalculationOutcome CalculateEvaporation(const EvaporationFields& fields, MessageSink& messages) {
  return Shared(CalculateEvaporation(fields, SharedSetup()), messages);
}

std::optional<Profile> ProfileWallCondensation(const WallCondensationFields& fields,
                                               MessageSink& messages, const ProfileGrid& grid) {
  return Shared(ProfileWallCondensation(fields, SharedSetup(), grid), messages).profile;
}

std::optional<Profile> ProfileTubeCondensation(const TubeCondensationFields& fields,
                                               MessageSink& messages) {
  return Shared(ProfileTubeCondensation(fields, SharedSetup()), messages).profile;
}

std::optional<Profile> ProfileEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                          const ProfileGrid& grid) {
  return Shared(ProfileEvaporation(fields, SharedSetup(), grid), messages).profile;
}

}  // namespace dorix
