// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "profile_fixture.h"
#include "wall_case.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::ValueOf;
using test::WallOf;
using test::WallRun;

constexpr bool kCondensing = false;
constexpr bool kEvaporating = true;

// A run whose film ends, at x = L, under the given law.
struct EndCase {
  const char* name;
  WallRun run;
  WallZone end;
};

void PrintTo(const EndCase& c, std::ostream* os) {
  *os << c.name;
}

// Every law at the end of the wall, in the power forms and in the
// exponential forms of n = 1 and m = 1, for both films. With n = 1 the wavy
// law is Nu = A·Re, for which a small A is the realistic choice.
const EndCase kEndCases[] = {
    {"CondensingLaminar", {kCondensing, "0.01"}, WallZone::kLaminar},
    {"CondensingWavy", {kCondensing, "1.0"}, WallZone::kWavyLaminar},
    {"CondensingTurbulent", {kCondensing, "5"}, WallZone::kTurbulent},
    {"CondensingWavyNIsOne",
     {kCondensing, "0.5", "1.0", "1", "0.4", "0.001"},
     WallZone::kWavyLaminar},
    {"CondensingTurbulentNIsOne",
     {kCondensing, "1.0", "1.0", "1", "0.4", "0.001"},
     WallZone::kTurbulent},
    {"CondensingTurbulentMIsOne", {kCondensing, "1.7", "1.0", "-0.22", "1"}, WallZone::kTurbulent},
    {"EvaporatingLaminarTop", {kEvaporating, "0.001", "0.001"}, WallZone::kLaminar},
    {"EvaporatingWavyTop", {kEvaporating, "0.01", "0.1"}, WallZone::kWavyLaminar},
    {"EvaporatingWavyThenLaminar", {kEvaporating, "0.352", "0.1"}, WallZone::kLaminar},
    {"EvaporatingTurbulentTop", {kEvaporating, "0.5", "1.0"}, WallZone::kTurbulent},
    {"EvaporatingTurbulentThenWavy", {kEvaporating, "3.0", "1.0"}, WallZone::kWavyLaminar},
    {"EvaporatingDownToLaminar", {kEvaporating, "3.77", "1.0"}, WallZone::kLaminar},
    {"EvaporatingWavyNIsOne",
     {kEvaporating, "0.1", "0.1", "1", "0.4", "0.001"},
     WallZone::kWavyLaminar},
    {"EvaporatingLaminarNIsOne",
     {kEvaporating, "0.21", "0.1", "1", "0.4", "0.001"},
     WallZone::kLaminar},
    {"EvaporatingTurbulentThenWavyNIsOne",
     {kEvaporating, "3.0", "1.0", "1", "0.4", "0.001"},
     WallZone::kWavyLaminar},
    {"EvaporatingTurbulentMIsOne",
     {kEvaporating, "0.01", "1.0", "-0.22", "1"},
     WallZone::kTurbulent},
    {"EvaporatingWavyMIsOne", {kEvaporating, "0.5", "1.0", "-0.22", "1"}, WallZone::kWavyLaminar},
    {"EvaporatingLaminarMIsOne", {kEvaporating, "0.959", "1.0", "-0.22", "1"}, WallZone::kLaminar},
};

class ProfileEnd : public test::ProfileTest, public testing::WithParamInterface<EndCase> {};

TEST_P(ProfileEnd, IsTheReportsEndValueBitForBit) {
  const WallRun& run = GetParam().run;
  const CalculationOutcome outcome = run.Calculate(messages);
  ASSERT_EQ(outcome.status, CalculationOutcome::Status::kReport) << outcome.message;
  const WallProfile profile = WallOf(run.Plot(messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(test::AllFinite(profile));

  const ProfilePoint& end = profile.points.back();
  EXPECT_EQ(end.x, ValueOf(outcome.inputs, "length"));
  EXPECT_EQ(end.zone, GetParam().end);
  EXPECT_EQ(end.Re, ValueOf(outcome.results, "reynolds_number"));
  EXPECT_EQ(profile.ReL, ValueOf(outcome.results, "reynolds_number"));
  EXPECT_EQ(profile.hAvg, ValueOf(outcome.results, "heat_transfer_coefficient"));
  EXPECT_FALSE(profile.xDry);
}

// The mean of h(x) over the wall, by the trapezoid rule; a condensing film's
// first step, where h grows without bound towards the top edge as x^(-1/4),
// is integrated exactly.
double MeanCoefficient(const WallProfile& profile) {
  const auto& points = profile.points;
  double integral = 0.0;
  std::size_t i = 0;
  if (!points[0].h) {
    integral += 4.0 / 3.0 * points[1].x * *points[1].h;
    i = 1;
  }
  for (; i + 1 < points.size(); ++i) {
    integral += (points[i + 1].x - points[i].x) * (*points[i].h + *points[i + 1].h) / 2;
  }
  return integral / profile.L;
}

// h(x) is the local coefficient whose mean over the wall the report gives:
// a wrong law, regime or scale in h(x) breaks the balance.
TEST_P(ProfileEnd, LocalCoefficientAveragesToTheReportsCoefficient) {
  const WallProfile profile = WallOf(GetParam().run.Plot(messages, {100001, true}));
  EXPECT_NEAR(MeanCoefficient(profile) / *profile.hAvg, 1.0, 2e-4);
}

INSTANTIATE_TEST_SUITE_P(EveryLawAndForm, ProfileEnd, testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The zones a film crosses, and the transitions marked between them.
struct ZoneCase {
  const char* name;
  WallRun run;
  std::vector<WallZone> zones;
  std::vector<Transition> marks;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr auto kLam = WallZone::kLaminar;
constexpr auto kWavy = WallZone::kWavyLaminar;
constexpr auto kTur = WallZone::kTurbulent;
constexpr auto kDry = WallZone::kDry;
constexpr auto kAtWl = Transition::kWavyLaminar;
constexpr auto kAtTur = Transition::kTurbulent;

const ZoneCase kZoneCases[] = {
    {"CondensingLaminarOnly", {kCondensing, "0.01"}, {kLam}, {}},
    {"CondensingTurnsWavy", {kCondensing, "1.0"}, {kLam, kWavy}, {kAtWl}},
    {"CondensingAllThree", {kCondensing, "5"}, {kLam, kWavy, kTur}, {kAtWl, kAtTur}},
    {"EvaporatingTurbulentOnly", {kEvaporating, "0.5", "1.0"}, {kTur}, {}},
    {"EvaporatingTurnsWavy", {kEvaporating, "3.0", "1.0"}, {kTur, kWavy}, {kAtTur}},
    {"EvaporatingAllThree", {kEvaporating, "3.77", "1.0"}, {kTur, kWavy, kLam}, {kAtTur, kAtWl}},
    {"EvaporatingAllThreeThenDry",
     {kEvaporating, "20", "1.0"},
     {kTur, kWavy, kLam, kDry},
     {kAtTur, kAtWl}},
    {"EvaporatingWavyThenDry", {kEvaporating, "0.5", "0.1"}, {kWavy, kLam, kDry}, {kAtWl}},
};

class ProfileZones : public test::ProfileTest, public testing::WithParamInterface<ZoneCase> {};

TEST_P(ProfileZones, FollowTheFilmDownTheWall) {
  const WallProfile profile = WallOf(GetParam().run.Plot(messages));
  std::vector<WallZone> zones;
  double end = 0.0;
  for (const ZoneSpan& span : profile.zones) {
    zones.push_back(span.zone);
    EXPECT_EQ(span.from, end) << "zones leave no gap";
    EXPECT_LT(span.from, span.to);
    end = span.to;
  }
  EXPECT_EQ(zones, GetParam().zones);
  EXPECT_EQ(end, profile.L);

  // Every point carries the zone that covers it.
  for (const ProfilePoint& point : profile.points) {
    for (const ZoneSpan& span : profile.zones) {
      if (point.x >= span.from && (point.x < span.to || span.to == profile.L)) {
        EXPECT_EQ(point.zone, span.zone) << "at x = " << point.x;
        break;
      }
    }
  }
}

// The film's transition Reynolds numbers with the panel's defaults:
// Re(wl) = 30·Pr^0 and Re(tur) = 5800·Pr^(-1.06).
double TransitionReynolds(Transition transition, double PrL) {
  if (transition == Transition::kWavyLaminar) return 30.0;
  return 5800.0 * std::pow(PrL, static_cast<double>(-1.06f));
}

TEST_P(ProfileZones, MarkTheTransitionsWhereTheFilmPassesTheirReynoldsNumbers) {
  const WallRun& run = GetParam().run;
  const double PrL = ValueOf(run.Calculate(messages).properties, "liquid_prandtl_number");
  const WallProfile profile = WallOf(run.Plot(messages));

  std::vector<Transition> marks;
  for (const TransitionMark& mark : profile.transitions) {
    marks.push_back(mark.transition);
    const auto at = std::find_if(profile.points.begin(), profile.points.end(),
                                 [&](const ProfilePoint& p) { return p.x == mark.x; });
    ASSERT_NE(at, profile.points.end()) << "a point sits on each mark";
    ASSERT_NE(at, profile.points.begin());
    const ProfilePoint& above = *(at - 1);
    EXPECT_EQ(above.x, std::nextafter(mark.x, 0.0)) << "and one just above it";
    EXPECT_NE(above.zone, at->zone) << "the mark divides two zones";
    // Re is continuous across the mark, at the transition's Reynolds number
    // (within the rounding of the laws' decimal constants).
    const double expected = TransitionReynolds(mark.transition, PrL);
    EXPECT_NEAR(at->Re / expected, 1.0, 1e-4);
    EXPECT_NEAR(above.Re / expected, 1.0, 1e-4);
  }
  EXPECT_EQ(marks, GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(Films, ProfileZones, testing::ValuesIn(kZoneCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, CondensingFilmStartsFromNothingAtTheTopEdge) {
  const WallProfile profile = WallOf(WallRun{kCondensing, "5"}.Plot(messages));
  EXPECT_EQ(profile.points.front().x, 0.0);
  EXPECT_EQ(profile.points.front().Re, 0.0);
  EXPECT_FALSE(profile.points.front().h) << "infinite at the top edge: left out";
  for (std::size_t i = 1; i < profile.points.size(); ++i) {
    ASSERT_TRUE(profile.points[i].h);
    // The film only grows; at x_wl the laminar law's rounded constants
    // may overshoot Re(wl) by about 10^-6.
    EXPECT_GT(profile.points[i].Re, profile.points[i - 1].Re * (1 - 1e-5));
  }
}

TEST_F(ProfileTest, GridSpacesItsPointsEvenlyAndAddsBothSidesOfEachTransition) {
  const WallRun run{kCondensing, "5"};
  const WallProfile even = WallOf(run.Plot(messages, {5, false}));
  std::vector<double> xs;
  for (const ProfilePoint& point : even.points) xs.push_back(point.x);
  EXPECT_EQ(xs, (std::vector<double>{0.0, 1.25, 2.5, 3.75, 5.0}));

  const WallProfile broken = WallOf(run.Plot(messages, {5, true}));
  ASSERT_EQ(broken.points.size(), 5u + 2 * broken.transitions.size());
  EXPECT_EQ(broken.transitions.size(), 2u);
}

}  // namespace
}  // namespace dorix
