// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "profile_fixture.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::ValueOf;

TubeProfile PlotTubes(const TubeCondensationFields& fields, MessageSink& messages) {
  const std::optional<Profile> profile = ProfileTubeCondensation(fields, messages);
  EXPECT_TRUE(profile && std::holds_alternative<TubeProfile>(*profile));
  return profile ? std::get<TubeProfile>(*profile) : TubeProfile{};
}

// The tubes' shares add up to the report's row: they condense its rate,
// their mean coefficient is its coefficient and the condensate leaving the
// last is its Re. Tubes below condense less as the condensate gathers.
TEST_F(ProfileTest, TubeSharesAddUpToTheReportsRow) {
  const struct {
    const char* tubes;
    std::vector<double> portions;
    RowFactor factor = RowFactor::kNusselt;
  } kCases[] = {
      {"1", {1}},
      {"5.0", {1, 1, 1, 1, 1}},
      {"2.5", {1, 1, 0.5}},
      {"0.25", {0.25}},
      {"16", std::vector<double>(16, 1.0)},
      {"5.0", {1, 1, 1, 1, 1}, RowFactor::kKern},
      {"2.5", {1, 1, 0.5}, RowFactor::kKern},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.tubes << " tubes, factor " << static_cast<int>(c.factor));
    TubeCondensationFields fields;
    fields.numberOfTubes = c.tubes;
    fields.rowFactor = c.factor;
    const CalculationOutcome outcome = CalculateTubeCondensation(fields, messages);
    ASSERT_EQ(outcome.status, CalculationOutcome::Status::kReport);
    const TubeProfile profile = PlotTubes(fields, messages);
    EXPECT_TRUE(messages.messages.empty());
    const double h = ValueOf(outcome.results, "heat_transfer_coefficient");
    const double m = ValueOf(outcome.results, "condensation_rate");
    const double Re = ValueOf(outcome.results, "reynolds_number");
    EXPECT_EQ(std::tie(profile.h, profile.m, profile.Re), std::tie(h, m, Re));

    std::vector<double> portions;
    double rate = 0.0;
    double area = 0.0;
    double flow = 0.0;
    for (const TubeShare& tube : profile.tubes) {
      EXPECT_EQ(tube.tube, static_cast<int>(portions.size()) + 1);
      portions.push_back(tube.portion);
      rate += tube.m;
      area += tube.portion;
      flow += tube.h * tube.portion;
      EXPECT_TRUE(std::isfinite(tube.h) && tube.h > 0);
      if (tube.tube == 1) continue;
      const TubeShare& upper = profile.tubes[portions.size() - 2];
      EXPECT_LT(tube.h, upper.h);
      EXPECT_LT(tube.m / tube.portion, upper.m / upper.portion);
      EXPECT_GT(tube.Re, upper.Re);
    }
    EXPECT_EQ(portions, c.portions);
    EXPECT_NEAR(rate / m, 1.0, 1e-12);
    EXPECT_NEAR(flow / area / h, 1.0, 1e-12);
    EXPECT_EQ(profile.tubes.back().Re, Re);
  }
}

// The top tube is a single tube; tube k condenses in proportion to
// k^(3/4) − (k − 1)^(3/4).
TEST_F(ProfileTest, TopTubeIsASingleTube) {
  TubeCondensationFields single;
  single.numberOfTubes = "1";
  const double h1 =
      ValueOf(CalculateTubeCondensation(single, messages).results, "heat_transfer_coefficient");
  const TubeProfile row = PlotTubes(TubeCondensationFields{}, messages);
  for (std::size_t k = 1; k <= row.tubes.size(); ++k) {
    const double share = std::pow(k, 0.75) - std::pow(k - 1.0, 0.75);
    EXPECT_NEAR(row.tubes[k - 1].h / (h1 * share), 1.0, 1e-12) << "tube " << k;
  }
}

TEST_F(ProfileTest, RowTooLongToShowTubeByTubeIsRefused) {
  TubeCondensationFields fields;
  fields.numberOfTubes = "1000";
  EXPECT_EQ(PlotTubes(fields, messages).tubes.size(), 1000u);
  fields.numberOfTubes = "1000.5";
  EXPECT_FALSE(ProfileTubeCondensation(fields, messages));
  EXPECT_EQ(messages.messages, std::vector<std::string>{TooManyTubesMessage()});
}

}  // namespace
}  // namespace dorix
