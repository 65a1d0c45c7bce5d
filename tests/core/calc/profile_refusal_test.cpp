// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <type_traits>

#include "../solvers/profile_fixture.h"
#include "core/calc/problems.h"

namespace dorix {
namespace {

using test::ProfileTest;

// The profile runs Calculate's checks first; a few of them per window show
// that it keeps their message and draws nothing.
TEST_F(ProfileTest, RefusedProfileGivesCalculatesMessageAndNoProfile) {
  WallCondensationFields pressure;
  pressure.pressure = "1e12";
  WallCondensationFields noSelector;
  noSelector.tempTypeIndex = kNoEntrySelected;
  TubeCondensationFields tubes;
  tubes.wallTemp = "400";
  EvaporationFields evaporation;
  evaporation.coefficients.D = "-5";
  for (const ProblemFields& fields : {ProblemFields{pressure}, ProblemFields{noSelector},
                                      ProblemFields{tubes}, ProblemFields{evaporation}}) {
    MessageRecorder calculated;
    const auto [outcome, profile] = std::visit(
        [&](const auto& f) -> std::pair<CalculationOutcome, std::optional<Profile>> {
          using Fields = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<Fields, WallCondensationFields>) {
            return {CalculateWallCondensation(f, calculated),
                    ProfileWallCondensation(f, messages, {})};
          } else if constexpr (std::is_same_v<Fields, TubeCondensationFields>) {
            return {CalculateTubeCondensation(f, calculated), ProfileTubeCondensation(f, messages)};
          } else {
            return {CalculateEvaporation(f, calculated), ProfileEvaporation(f, messages, {})};
          }
        },
        fields);
    ASSERT_EQ(outcome.status, CalculationOutcome::Status::kRefused);
    ASSERT_EQ(calculated.messages.size(), 1u);
    EXPECT_FALSE(profile);
    EXPECT_EQ(messages.messages, calculated.messages);
    messages.messages.clear();
  }
}

}  // namespace
}  // namespace dorix
