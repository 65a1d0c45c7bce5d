// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "profile_fixture.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::ValueOf;

struct TubeCase {
  const char* tubes;
  std::vector<double> portions;
  RowFactor factor = RowFactor::kNusselt;
};

void PrintTo(const TubeCase& c, std::ostream* os) {
  *os << c.tubes << " tubes" << (c.factor == RowFactor::kKern ? ", Kern" : "");
}

const TubeCase kTubeCases[] = {
    {"1", {1}},
    {"5.0", {1, 1, 1, 1, 1}},
    {"2.5", {1, 1, 0.5}},
    {"0.25", {0.25}},
    {"16", std::vector<double>(16, 1.0)},
    {"5.0", {1, 1, 1, 1, 1}, RowFactor::kKern},
    {"2.5", {1, 1, 0.5}, RowFactor::kKern},
};

class TubeRow : public ProfileTest, public testing::WithParamInterface<TubeCase> {
 protected:
  TubeCondensationFields Fields() const {
    TubeCondensationFields fields;
    fields.numberOfTubes = GetParam().tubes;
    fields.rowFactor = GetParam().factor;
    return fields;
  }

  TubeProfile Plot() {
    const std::optional<Profile> profile = ProfileTubeCondensation(Fields(), messages);
    EXPECT_TRUE(profile && std::holds_alternative<TubeProfile>(*profile));
    return profile ? std::get<TubeProfile>(*profile) : TubeProfile{};
  }
};

TEST_P(TubeRow, SharesAddUpToTheReportsRow) {
  const CalculationOutcome outcome = CalculateTubeCondensation(Fields(), messages);
  ASSERT_EQ(outcome.status, CalculationOutcome::Status::kReport);
  const TubeProfile profile = Plot();
  EXPECT_TRUE(messages.messages.empty());

  const double h = ValueOf(outcome.results, "heat_transfer_coefficient");
  const double m = ValueOf(outcome.results, "condensation_rate");
  const double Re = ValueOf(outcome.results, "reynolds_number");
  EXPECT_EQ(profile.h, h);
  EXPECT_EQ(profile.m, m);
  EXPECT_EQ(profile.Re, Re);

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
  }
  EXPECT_EQ(portions, GetParam().portions);
  EXPECT_NEAR(rate / m, 1.0, 1e-12) << "the tubes condense the row's rate";
  EXPECT_NEAR(flow / area / h, 1.0, 1e-12) << "their mean coefficient is the row's";
  EXPECT_EQ(profile.tubes.back().Re, Re) << "the condensate leaving the row";
}

TEST_P(TubeRow, TubesBelowCondenseLess) {
  const TubeProfile profile = Plot();
  for (std::size_t i = 1; i < profile.tubes.size(); ++i) {
    const TubeShare& upper = profile.tubes[i - 1];
    const TubeShare& lower = profile.tubes[i];
    EXPECT_LT(lower.h, upper.h);
    EXPECT_LT(lower.m / lower.portion, upper.m / upper.portion);
    EXPECT_GT(lower.Re, upper.Re) << "the condensate gathers down the row";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, TubeRow, testing::ValuesIn(kTubeCases));

TEST_F(ProfileTest, TopTubeIsASingleTube) {
  TubeCondensationFields single;
  single.numberOfTubes = "1";
  const double h1 =
      ValueOf(CalculateTubeCondensation(single, messages).results, "heat_transfer_coefficient");
  const Profile row = *ProfileTubeCondensation(TubeCondensationFields{}, messages);
  EXPECT_EQ(std::get<TubeProfile>(row).tubes.front().h, h1);
  // Tube k condenses in proportion to k^(3/4) − (k − 1)^(3/4).
  const auto& tubes = std::get<TubeProfile>(row).tubes;
  for (std::size_t k = 1; k <= tubes.size(); ++k) {
    const double share = std::pow(k, 0.75) - std::pow(k - 1.0, 0.75);
    EXPECT_NEAR(tubes[k - 1].h / (h1 * share), 1.0, 1e-12) << "tube " << k;
  }
}

TEST_F(ProfileTest, RowTooLongToShowTubeByTubeIsRefused) {
  TubeCondensationFields fields;
  fields.numberOfTubes = "1000";
  EXPECT_EQ(std::get<TubeProfile>(*ProfileTubeCondensation(fields, messages)).tubes.size(), 1000u);
  fields.numberOfTubes = "1000.5";
  EXPECT_FALSE(ProfileTubeCondensation(fields, messages));
  EXPECT_EQ(messages.messages, std::vector<std::string>{TooManyTubesMessage()});
}

}  // namespace
}  // namespace dorix
