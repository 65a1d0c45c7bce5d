// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/calc/calculation_run.h"
#include "profile_fixture.h"
#include "wall_case.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::ValueOf;
using test::WallOf;
using test::WallRun;

constexpr bool kCond = false;
constexpr bool kEvap = true;
constexpr auto kLam = WallZone::kLaminar;
constexpr auto kWavy = WallZone::kWavyLaminar;
constexpr auto kTur = WallZone::kTurbulent;
constexpr auto kDry = WallZone::kDry;

// A run and the zones its film crosses down the wall: every law at the end
// of the wall, in the power forms and in the exponential forms of n = 1 and
// m = 1, for both films. With n = 1 the wavy law is Nu = A·Re, for which a
// small A is the realistic choice.
struct ZoneCase {
  WallRun run;
  std::vector<WallZone> zones;
};

const ZoneCase kCases[] = {
    {{kCond, "0.01"}, {kLam}},
    {{kCond, "1.0"}, {kLam, kWavy}},
    {{kCond, "5"}, {kLam, kWavy, kTur}},
    {{kCond, "0.5", "1.0", "1", "0.4", "0.001"}, {kLam, kWavy}},
    {{kCond, "1.0", "1.0", "1", "0.4", "0.001"}, {kLam, kWavy, kTur}},
    {{kCond, "1.7", "1.0", "-0.22", "1"}, {kLam, kWavy, kTur}},
    {{kEvap, "0.001", "0.001"}, {kLam}},
    {{kEvap, "0.01", "0.1"}, {kWavy}},
    {{kEvap, "0.352", "0.1"}, {kWavy, kLam}},
    {{kEvap, "0.5", "1.0"}, {kTur}},
    {{kEvap, "3.0", "1.0"}, {kTur, kWavy}},
    {{kEvap, "3.77", "1.0"}, {kTur, kWavy, kLam}},
    {{kEvap, "0.1", "0.1", "1", "0.4", "0.001"}, {kWavy}},
    {{kEvap, "0.21", "0.1", "1", "0.4", "0.001"}, {kWavy, kLam}},
    {{kEvap, "3.0", "1.0", "1", "0.4", "0.001"}, {kTur, kWavy}},
    {{kEvap, "0.01", "1.0", "-0.22", "1"}, {kTur}},
    {{kEvap, "0.5", "1.0", "-0.22", "1"}, {kTur, kWavy}},
    {{kEvap, "0.959", "1.0", "-0.22", "1"}, {kTur, kWavy, kLam}},
    {{kEvap, "20", "1.0"}, {kTur, kWavy, kLam, kDry}},
    {{kEvap, "0.5", "0.1"}, {kWavy, kLam, kDry}},
    {{kEvap, "1.0", "0.001"}, {kLam, kDry}},
    {{kEvap, "1.0", "0.1", "1", "0.4", "0.001"}, {kWavy, kLam, kDry}},
    {{kEvap, "2", "1.0", "-0.22", "1"}, {kTur, kWavy, kLam, kDry}},
};

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

// The zones follow the film without gaps, every point carries the zone that
// covers it, and a mark sits between two film zones where Re passes the
// transition's Reynolds number (panel defaults: Re(wl) = 30, Re(tur) =
// 5800·Pr^(-1.06)), continuous within the rounding of the laws' constants.
void ExpectZonesAndMarks(const WallProfile& profile, const ZoneCase& c, double PrL) {
  std::vector<WallZone> zones;
  double end = 0.0;
  for (const ZoneSpan& span : profile.zones) {
    zones.push_back(span.zone);
    EXPECT_EQ(span.from, end) << "zones leave no gap";
    EXPECT_LT(span.from, span.to);
    end = span.to;
  }
  EXPECT_EQ(zones, c.zones);
  EXPECT_EQ(end, profile.L);
  for (const ProfilePoint& point : profile.points) {
    const auto span = std::find_if(profile.zones.begin(), profile.zones.end(), [&](auto& s) {
      return point.x >= s.from && (point.x < s.to || s.to == profile.L);
    });
    ASSERT_NE(span, profile.zones.end());
    EXPECT_EQ(point.zone, span->zone) << "at x = " << point.x;
  }
  std::vector<Transition> expected;
  for (std::size_t i = 1; i < c.zones.size(); ++i) {
    if (c.zones[i] == kDry) continue;
    const bool turbulent = c.zones[i] == kTur || c.zones[i - 1] == kTur;
    expected.push_back(turbulent ? Transition::kTurbulent : Transition::kWavyLaminar);
  }
  std::vector<Transition> marks;
  for (const TransitionMark& mark : profile.transitions) {
    marks.push_back(mark.transition);
    const auto at = std::find_if(profile.points.begin(), profile.points.end(),
                                 [&](const ProfilePoint& p) { return p.x == mark.x; });
    ASSERT_NE(at, profile.points.end()) << "a point sits on each mark";
    ASSERT_NE(at, profile.points.begin());
    const ProfilePoint& above = *(at - 1);
    EXPECT_EQ(above.x, std::nextafter(mark.x, 0.0)) << "and one just above it";
    EXPECT_NE(above.zone, at->zone);
    const double Re = mark.transition == Transition::kWavyLaminar
                          ? 30.0
                          : 5800.0 * std::pow(PrL, static_cast<double>(-1.06f));
    EXPECT_NEAR(at->Re / Re, 1.0, 1e-4);
    EXPECT_NEAR(above.Re / Re, 1.0, 1e-4);
  }
  EXPECT_EQ(marks, expected);
}

// The run's input record with another wall length, solved as Calculate
// solves it.
EvaporationResult SolveWithLength(const WallRun& run, double L) {
  std::vector<NamedValue> inputs;
  PropertySlots slots;
  RunContext context(SharedSetup(), slots, inputs);
  const std::optional<EvaporationRun> solved = RunEvaporation(run.Evaporation(), context);
  EXPECT_TRUE(solved);
  EvaporationInput in = solved->input;
  in.L = L;
  return SolveEvaporation(in);
}

// A film that vanishes on the wall: the report has no results, the wall is
// dry from the closed-form dry-out point on, and that point is where the
// solver's answer changes from a film to a dry wall, with Re down to nothing
// just above it.
void ExpectDryOut(const WallProfile& profile, const WallRun& run,
                  const CalculationOutcome& outcome) {
  EXPECT_EQ(outcome.status, CalculationOutcome::Status::kDryOut);
  ASSERT_TRUE(profile.xDry);
  const double xDry = *profile.xDry;
  EXPECT_FALSE(profile.ReL);
  EXPECT_FALSE(profile.hAvg);
  EXPECT_EQ(profile.zones.back().from, xDry);
  for (const ProfilePoint& point : profile.points) {
    if (point.x < xDry) continue;
    EXPECT_EQ(point.Re, 0.0);
    EXPECT_FALSE(point.h);
  }
  const double Re0 = profile.points.front().Re;
  const EvaporationResult above = SolveWithLength(run, xDry * (1 - 1e-9));
  ASSERT_FALSE(above.dryOut);
  EXPECT_LT(above.ReL, 1e-4 * Re0);
  EXPECT_TRUE(SolveWithLength(run, xDry * (1 + 1e-9)).dryOut);
  // The profile's last film point lies just above the dry-out point.
  const auto last = std::find_if(profile.points.rbegin(), profile.points.rend(),
                                 [](const ProfilePoint& p) { return p.zone != kDry; });
  ASSERT_NE(last, profile.points.rend());
  EXPECT_EQ(last->x, std::nextafter(xDry, 0.0));
  EXPECT_LT(last->Re, 1e-4 * Re0);
}

// The profile's end is the report's, bit for bit, and h(x) averages to the
// report's coefficient: a wrong law, regime or scale in h(x) breaks that.
TEST_F(ProfileTest, FollowsTheFilmToTheReportsEndValues) {
  for (const ZoneCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "row " << &c - kCases);
    const CalculationOutcome outcome = c.run.Calculate(messages);
    const double PrL = ValueOf(outcome.properties, "liquid_prandtl_number");
    const WallProfile profile = WallOf(c.run.Plot(messages));
    EXPECT_TRUE(messages.messages.empty());
    for (const ProfilePoint& p : profile.points) {
      EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.Re) && (!p.h || std::isfinite(*p.h)));
    }
    ExpectZonesAndMarks(profile, c, PrL);
    if (c.zones.back() == kDry) {
      ExpectDryOut(profile, c.run, outcome);
      continue;
    }

    ASSERT_EQ(outcome.status, CalculationOutcome::Status::kReport) << outcome.message;
    const ProfilePoint& end = profile.points.back();
    EXPECT_EQ(end.x, ValueOf(outcome.inputs, "length"));
    EXPECT_EQ(end.zone, c.zones.back());
    EXPECT_EQ(end.Re, ValueOf(outcome.results, "reynolds_number"));
    EXPECT_EQ(profile.ReL, ValueOf(outcome.results, "reynolds_number"));
    EXPECT_EQ(profile.hAvg, ValueOf(outcome.results, "heat_transfer_coefficient"));
    EXPECT_FALSE(profile.xDry);
    const WallProfile fine = WallOf(c.run.Plot(messages, {100001, true}));
    EXPECT_NEAR(MeanCoefficient(fine) / *fine.hAvg, 1.0, 2e-4);
  }
}

}  // namespace
}  // namespace dorix
