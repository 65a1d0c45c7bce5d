// SPDX-License-Identifier: MIT
// Every saturation state of every fluid gives a report in all three
// calculations. Saturated vapour condenses at each saturation temperature of
// the fluid's saturation-temperature table (the pressure is the input), a film
// evaporates at each temperature of its enthalpy-of-vaporization table; both
// walks stop 2 K below the critical point, and the wall is 5 K and 15 K colder
// or hotter, wherever the fluid is liquid at the wall and in the film. A
// refusal fails the test, naming fluid, temperatures and message, except the
// evaporating film's modified enthalpy of vaporization falling to zero or
// below (the model's own limit): no property may be out of range there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/solvers/film_reference.h"
#include "core/solvers/solve_fault.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::ReferenceRow;
using testing_support::ReferenceRows;

struct CoveredFluid {
  const char* name;
  int number;
  const char* prefix;
  double criticalTemperature;  // K, of the equation of state behind the tables
};

void PrintTo(const CoveredFluid& fluid, std::ostream* out) {
  *out << fluid.name;
}

const CoveredFluid kCoveredFluids[] = {
    {"water", 1, "wat", 647.096},       {"ammonia", 2, "nh3", 405.56},
    {"nitrogen", 3, "n2", 126.192},     {"mercury", 4, "hg", 1764.0},
    {"R22", 5, "fre22", 369.295},       {"R134a", 6, "fr134a", 374.21},
    {"R32", 7, "r32", 351.255},         {"R1234yf", 8, "r1234yf", 367.85},
    {"R1234ze", 9, "r1234ze", 382.513}, {"propane", 10, "r290", 369.89},
    {"isobutane", 11, "r600a", 407.81}, {"CO2", 12, "co2", 304.1282},
};

// Saturation temperatures are walked at this step; the walk stops this far
// below the critical point, where the film properties turn steep.
constexpr double kStep = 0.5;
constexpr double kCriticalDistance = 2.0;
// The wall is this much colder (condensation) or hotter (evaporation) than
// the saturation temperature.
constexpr double kWallDifferences[] = {5.0, 15.0};

struct Span {
  double low = 0.0;
  double high = 0.0;
  bool Holds(double t) const { return t >= low && t <= high; }
};

// The temperatures the liquid tables cover together: where the fluid has
// liquid, between its triple point (or the tables' start) and the critical
// point (or the tables' end).
Span LiquidSpan(const CoveredFluid& fluid) {
  Span span{-INFINITY, INFINITY};
  for (const char* suffix : {"rol", "mul", "kl", "prl"}) {
    const auto rows = ReferenceRows(std::string(fluid.prefix) + suffix);
    span.low = std::max(span.low, rows.front().x);
    span.high = std::min(span.high, rows.back().x);
  }
  return span;
}

// Temperatures from `low` to `high` in steps of kStep, `high` included.
std::vector<double> Walk(double low, double high) {
  std::vector<double> temperatures;
  for (int i = 0; low + i * kStep < high; ++i) temperatures.push_back(low + i * kStep);
  temperatures.push_back(high);
  return temperatures;
}

// The saturation pressure at T from the saturation-temperature table: ln p
// is close to linear in 1/T between two of its rows.
double SaturationPressure(const std::vector<ReferenceRow>& tsat, double t) {
  std::size_t i = 1;
  while (i + 1 < tsat.size() && tsat[i].y < t) ++i;
  const ReferenceRow& a = tsat[i - 1];
  const ReferenceRow& b = tsat[i];
  const double f = (1.0 / t - 1.0 / a.y) / (1.0 / b.y - 1.0 / a.y);
  return std::exp(std::log(a.x) + f * (std::log(b.x) - std::log(a.x)));
}

std::string FieldText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// What the walk of one calculation found.
struct Tally {
  int reports = 0;
  int modifiedEnthalpyRefusals = 0;
  std::vector<std::string> refusals;

  std::string Summary(const std::string& fluid, const char* calculation) const {
    std::ostringstream text;
    text << fluid << ", " << calculation << ": " << reports << " of " << reports + refusals.size()
         << " saturation states give a report";
    for (std::size_t i = 0; i < refusals.size() && i < 12; ++i) text << "\n  " << refusals[i];
    if (refusals.size() > 12) text << "\n  ... and " << refusals.size() - 12 << " more";
    return text.str();
  }
};

class SaturationCoverage : public ::testing::TestWithParam<CoveredFluid> {
 protected:
  void SetUp() override {
    setup_.store = &testing_support::DeliveredStore();
    setup_.fluid = GetParam().number;
    liquid_ = LiquidSpan(GetParam());
  }

  // The fluid is liquid at the wall and in the film.
  bool HasLiquidFilm(double tsat, double tw) const {
    return liquid_.Holds(tw) &&
           liquid_.Holds(LiquidReferenceTemperature(GetParam().number, tw, tsat));
  }

  // Counts one run at saturation temperature `tsat` and wall temperature `tw`.
  static void Count(Tally& tally, const CalculationOutcome& outcome, double tsat, double tw,
                    bool evaporating) {
    if (outcome.status != CalculationOutcome::Status::kRefused) {
      ++tally.reports;
      return;
    }
    const std::string& message = outcome.message;
    // An evaporating film close to the critical point can have a modified
    // enthalpy of vaporization of zero or below: the model has no answer there.
    if (evaporating && message == FaultMessage(SolveFault::kModifiedEnthalpyNotPositive)) {
      ++tally.modifiedEnthalpyRefusals;
      return;
    }
    std::ostringstream state;
    state << GetParam().name << ", Tsat " << tsat << " K, wall " << tw << " K: " << message;
    tally.refusals.push_back(state.str());
  }

  // Saturated vapour at the pressure of each saturation temperature the
  // saturation-temperature table covers, condensing on a colder wall.
  template <typename Fields, typename Calculate>
  Tally WalkCondensation(Calculate calculate) const {
    const auto tsat = SaturationRows();
    const double high = std::min(tsat.back().y, GetParam().criticalTemperature - kCriticalDistance);
    Tally tally;
    for (const double t : Walk(tsat.front().y, high)) {
      for (const double difference : kWallDifferences) {
        const double tw = t - difference;
        if (!HasLiquidFilm(t, tw)) continue;
        Fields fields;
        fields.pressure = FieldText(SaturationPressure(tsat, t));
        fields.wallTemp = FieldText(tw);
        fields.tempTypeIndex = kSaturationVaporTemperature;
        Count(tally, calculate(fields, setup_), t, tw, false);
      }
    }
    return tally;
  }

  // The rows of the saturation-temperature table from the curve's first
  // pressure on: propane's curve starts at 1 kPa.
  std::vector<ReferenceRow> SaturationRows() const {
    const std::string curve = std::string(GetParam().prefix) + "tsat";
    std::vector<ReferenceRow> rows = ReferenceRows(curve);
    std::erase_if(rows, [&](const ReferenceRow& row) {
      return static_cast<float>(row.x) < testing_support::PointX(curve, 1);
    });
    return rows;
  }

  CalculationSetup setup_;
  Span liquid_;
};

TEST_P(SaturationCoverage, CondensationReportsEverySaturatedState) {
  const Tally wall = WalkCondensation<WallCondensationFields>(
      [](const auto& fields, const CalculationSetup& setup) {
        return CalculateWallCondensation(fields, setup);
      });
  const Tally tubes = WalkCondensation<TubeCondensationFields>(
      [](const auto& fields, const CalculationSetup& setup) {
        return CalculateTubeCondensation(fields, setup);
      });
  EXPECT_GT(wall.reports, 50);
  EXPECT_TRUE(wall.refusals.empty()) << wall.Summary(GetParam().name, "wall condensation");
  EXPECT_EQ(tubes.reports, wall.reports);
  EXPECT_TRUE(tubes.refusals.empty()) << tubes.Summary(GetParam().name, "tube condensation");
}

// A film at each saturation temperature the enthalpy-of-vaporization table
// covers, evaporating from a hotter wall; a film that dries out still gives
// its report.
TEST_P(SaturationCoverage, EvaporationReportsEverySaturationTemperature) {
  const auto hfg = ReferenceRows(std::string(GetParam().prefix) + "hfg");
  const double high = std::min(hfg.back().x, GetParam().criticalTemperature - kCriticalDistance);
  Tally tally;
  for (const double t : Walk(hfg.front().x, high)) {
    for (const double difference : kWallDifferences) {
      const double tw = t + difference;
      if (!HasLiquidFilm(t, tw)) continue;
      EvaporationFields fields;
      fields.satTemp = FieldText(t);
      fields.wallTemp = FieldText(tw);
      Count(tally, CalculateEvaporation(fields, setup_), t, tw, true);
    }
  }
  EXPECT_GT(tally.reports, 50);
  EXPECT_TRUE(tally.refusals.empty()) << tally.Summary(GetParam().name, "evaporation");
}

// Superheated vapour condenses up to the end of the vapour curves, at low,
// middle and high saturation pressures.
TEST_P(SaturationCoverage, SuperheatedVaporReachesTheEndOfTheVaporCurves) {
  const auto tsat = SaturationRows();
  const double vaporEnd = ReferenceRows(std::string(GetParam().prefix) + "muv").back().x;
  for (const double share : {0.25, 0.5, 0.9}) {
    const ReferenceRow& row = tsat[static_cast<std::size_t>(share * (tsat.size() - 1))];
    WallCondensationFields fields;
    fields.pressure = FieldText(row.x);
    fields.vaporTemp = FieldText(vaporEnd);
    fields.wallTemp = FieldText(row.y - kWallDifferences[0]);
    const CalculationOutcome outcome = CalculateWallCondensation(fields, setup_);
    EXPECT_EQ(outcome.status, CalculationOutcome::Status::kReport)
        << GetParam().name << ", P " << row.x << " Pa, Tv " << vaporEnd
        << " K: " << outcome.message;
  }
}

INSTANTIATE_TEST_SUITE_P(DeliveredFile, SaturationCoverage, ::testing::ValuesIn(kCoveredFluids),
                         [](const ::testing::TestParamInfo<CoveredFluid>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace dorix
