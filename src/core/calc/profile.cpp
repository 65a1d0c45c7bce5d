// SPDX-License-Identifier: MIT
#include "core/calc/profile.h"

#include <vector>

#include "core/calc/calculation_run.h"

namespace dorix {

namespace {

// Runs a calculation's checks and solver in a context over the outcome's
// slots, then draws the run with `draw`, which returns the profile or none
// with the message that refuses it.
template <typename Fields, typename Run, typename Draw>
ProfileOutcome Profiled(const Fields& fields, const CalculationSetup& setup, Run run, Draw draw) {
  ProfileOutcome outcome;
  outcome.propertySlots = setup.propertySlots;
  std::vector<NamedValue> inputs;
  RunContext context(setup, outcome.propertySlots, inputs);
  if (const auto finished = run(fields, context)) {
    outcome.profile = draw(*finished, outcome.message);
  } else {
    outcome.message = std::move(context.refusal);
  }
  return outcome;
}

}  // namespace

ProfileOutcome ProfileWallCondensation(const WallCondensationFields& fields,
                                       const CalculationSetup& setup, const ProfileGrid& grid) {
  return Profiled(fields, setup, RunWallCondensation,
                  [&](const WallCondensationRun& run, std::string&) -> std::optional<Profile> {
                    return ProfileOf(run.input, run.result, grid);
                  });
}

ProfileOutcome ProfileTubeCondensation(const TubeCondensationFields& fields,
                                       const CalculationSetup& setup) {
  return Profiled(
      fields, setup, RunTubeCondensation,
      [](const TubeCondensationRun& run, std::string& message) -> std::optional<Profile> {
        std::optional<TubeProfile> profile = ProfileOf(run.input, run.result);
        if (!profile) {
          message = TooManyTubesMessage();
          return std::nullopt;
        }
        return *profile;
      });
}

ProfileOutcome ProfileEvaporation(const EvaporationFields& fields, const CalculationSetup& setup,
                                  const ProfileGrid& grid) {
  return Profiled(fields, setup, RunEvaporation,
                  [&](const EvaporationRun& run, std::string&) -> std::optional<Profile> {
                    return ProfileOf(run.input, run.result, grid);
                  });
}

}  // namespace dorix
