// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "../solvers/profile_fixture.h"
#include "core/fluids/fluid.h"
#include "core/sweep/saturation_states.h"
#include "core/sweep/study.h"
#include "core/sweep/study_range.h"

namespace dorix {
namespace {

// Range texts that give a range, with its start in SI units where given,
// or one message. The ends are read as the command line's --sweep reads
// them: their unit and number messages are rows of tests/cli/run_calc_test.cpp.
TEST(StudyRange, TextsGiveARangeOrOneMessage) {
  const std::string count = "*** ERROR: Number of points must be a whole number from 2 to 10000.";
  const std::string log =
      "*** ERROR: Logarithmic steps need From and To of one sign, neither zero.";
  const std::string e = "*** ERROR: ";
  const struct {
    StudyRangeText text;
    std::string message;  // empty: a range
    double start = 0.0;
  } kCases[] = {
      {{"length", "0.5", "2", "16"}, ""},
      {{"length", " 2 ", " -0.5", " 10000 "}, ""},
      {{"length", "0.01", "10", "31", true}, ""},
      {{"w", "-2", "-0.5", "5", true}, ""},
      {{"length", "0.1", "2", "5"}, "", 0.1},  // plain texts keep double precision
      {{"wall_temp", "10 degC", "50 degC", "5"}, "", static_cast<float>(283.15)},
      {{"C", "1", "2 m", "5"}, e + "To takes a plain number, without a unit: \"2 m\"."},
      {{"length", "0.25 m", "250 mm", "5"},
       e + "From and To are the same value; please enter two different ends."},
      {{"length", "abc", "2", "16"}, e + "From is not a number: \"abc\"."},
      {{"length", "1", "2", "1"}, count},
      {{"length", "1", "2", "10001"}, count},
      {{"length", "1", "2", "2.5"}, count},
      {{"length", "1", "2", ""}, count},
      {{"length", "0", "2", "5", true}, log},
      {{"length", "-1", "2", "5", true}, log},
  };
  for (const auto& c : kCases) {
    std::string message;
    const std::optional<SweepRange> range =
        ReadStudyRange(c.text, ProblemOf(WallCondensationFields{}), message);
    const std::string where =
        c.text.field + " " + c.text.from + " " + c.text.to + " " + c.text.count;
    EXPECT_EQ(message, c.message) << where;
    EXPECT_EQ(range.has_value(), c.message.empty()) << where;
    if (range && c.start != 0.0) {
      EXPECT_EQ(range->start, c.start) << where;
    }
  }
}

TEST(StudyRange, SuggestsThreeQuartersToFiveQuartersOfTheFieldsValueInItsUnit) {
  // The value as the field reads it: -1.06 in single precision is a little
  // nearer zero, and three quarters of it rounds to -0.79.
  const std::vector<std::tuple<std::string, std::string, std::string>> cases{
      {"300", "230", "380"},
      {"1.0", "0.75", "1.3"},
      {"101325", "76000", "130000"},
      {"0.0038", "0.0029", "0.0048"},
      {"-1.06", "-1.3", "-0.79"},
      {"0", "-1", "1"},
      {"abc", "0", "1"},
      {"80 degF", "220", "370"},
      {"250 mm", "0.19", "0.31"}};
  for (const auto& [text, from, to] : cases) {
    const InputField& field = text.find("deg") != std::string::npos ? kWallTempField : kLengthField;
    const SuggestedRange range = SuggestRange(field, text);
    EXPECT_EQ(range.from, from) << text;
    EXPECT_EQ(range.to, to) << text;
  }
}

Study RunFor(ProblemFields fields, SweepRange range, std::vector<int> fluids, unsigned jobs = 2) {
  return RunStudy({std::move(fields), std::move(range), std::move(fluids)}, test::DeliveredStore(),
                  kGrav, jobs);
}

const std::vector<int> kAllFluids{1, 2, 3, 4, 5, 6};

TEST(StudyRun, IsTheSameOnOneThreadAsOnSeveral) {
  const SweepRange range{"flow_rate", 0.001, 2, 300, true};
  const Study one = RunFor(EvaporationFields{}, range, kAllFluids, 1);
  const Study several = RunFor(EvaporationFields{}, range, kAllFluids, 3);
  EXPECT_EQ(StudyCsv(one), StudyCsv(several));
}

TEST(StudyRun, CsvOfSeveralFluidsLeadsEachRowWithItsFluid) {
  const SweepRange range{"length", 0.5, 2, 3, false};
  const Study all = RunFor(WallCondensationFields{}, range, {1, 6});
  const std::string water = StudyCsv(RunFor(WallCondensationFields{}, range, {1}));
  const std::string r134a = StudyCsv(RunFor(WallCondensationFields{}, range, {6}));
  const auto body = [](const std::string& csv) { return csv.substr(csv.find('\n') + 1); };
  std::string expected = "fluid," + water.substr(0, water.find('\n') + 1);
  for (const auto& [name, csv] : {std::pair{"water", water}, std::pair{"r134a", r134a}}) {
    std::string rows = body(csv);
    for (std::size_t at = 0; at < rows.size(); at = rows.find('\n', at) + 1) {
      rows.insert(at, std::string(name) + ",");
    }
    expected += rows;
  }
  EXPECT_EQ(StudyCsv(all), expected);
}

TEST(StudyRun, MarksTheWallFilmsTransitionsAndNotTheTubesOrRefusedPoints) {
  // The default panel has v = 0: Re(wl) is C whatever the Prandtl number.
  const Study wall = RunFor(WallCondensationFields{}, {"length", -1, 2, 4, false}, {1});
  for (const StudyPoint& point : wall.curves[0].points) {
    // A length of zero or below is refused before the properties are found.
    const bool refused = point.row.status == CalculationOutcome::Status::kRefused;
    EXPECT_EQ(point.ReWl.has_value(), !refused);
    if (point.ReWl) {
      EXPECT_EQ(*point.ReWl, 30.0);
      EXPECT_GT(*point.ReTur, *point.ReWl);
    }
  }
  const Study tubes = RunFor(TubeCondensationFields{}, {"tubes", 1, 9, 3, false}, {1});
  for (const StudyPoint& point : tubes.curves[0].points) EXPECT_FALSE(point.ReWl);
}

TEST(StudyRun, ComparesFluidsAtOneDifferenceFromSaturationAndOneReducedPressure) {
  const SweepRange range{std::string(kSaturationDifferenceField.name), 5, 20, 4, false};
  EvaporationFields evaporation;
  evaporation.satTemp = "400";  // at 300 K water's p/pc is below most fluids' triple points
  evaporation.wallTemp = "420";
  for (const ProblemFields& fields :
       {ProblemFields{TubeCondensationFields{}}, ProblemFields{evaporation}}) {
    const Study study = RunFor(fields, range, kAllFluids);
    ASSERT_TRUE(study.reducedPressure);
    const double sign = std::holds_alternative<EvaporationFields>(fields) ? 1.0 : -1.0;
    int compared = 0;
    for (const StudyCurve& curve : study.curves) {
      if (!curve.Tsat) continue;  // no saturation state at this p/pc: refused with why
      ++compared;
      const double pc = FindFluid(curve.fluid)->criticalPressure;
      EXPECT_NEAR(*curve.pressure / pc, *study.reducedPressure, 1e-6 * *study.reducedPressure);
      for (std::size_t i = 0; i < curve.points.size(); ++i) {
        const StudyPoint& point = curve.points[i];
        const double wall = *point.row.inputs[study.sweptColumn];
        EXPECT_NEAR(wall, *curve.Tsat + sign * range.Value(static_cast<long>(i)), 1e-4 * wall);
        EXPECT_EQ(*study.X(point), sign * (wall - *curve.Tsat));
      }
    }
    EXPECT_GE(compared, 5) << study.problem->name;
  }
  // The window fluid's state must be one: every point says why it is not.
  TubeCondensationFields noPressure;
  noPressure.pressure = "abc";
  const Study refused = RunFor(noPressure, range, {1, 2});
  for (const StudyCurve& curve : refused.curves) {
    for (const StudyPoint& point : curve.points) {
      EXPECT_EQ(point.row.message, "*** ERROR: Pressure [Pa] is not a number: \"abc\".");
    }
  }
}

}  // namespace
}  // namespace dorix
