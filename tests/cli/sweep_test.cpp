// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <nlohmann/json.hpp>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::CsvRows;
using test::Number;
using test::RunCalc;
using Row = std::map<std::string, std::string>;

struct SweepCase {
  const char* name;
  std::vector<std::string> args;  // the problem and its fixed options
  std::string field;              // the swept option, without dashes
  std::string range;              // START:STOP:COUNT
};

void PrintTo(const SweepCase& c, std::ostream* os) {
  *os << c.name;
}

class SweepAgreesWithSingleRuns : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepAgreesWithSingleRuns, PointByPoint) {
  const SweepCase& c = GetParam();
  auto args = c.args;
  args.insert(args.end(), {"--sweep", c.field + "=" + c.range});
  const test::CalcRun sweep = RunCalc(args);
  ASSERT_EQ(sweep.status, 0) << sweep.err;
  std::string column = c.field;
  for (char& ch : column) {
    if (ch == '-') ch = '_';
  }
  for (const Row& row : CsvRows(sweep.out)) {
    auto single = c.args;
    single.insert(single.end(), {"--" + c.field, row.at(column), "--format", "json"});
    const test::CalcRun run = RunCalc(single);
    if (!row.at("message").empty()) {
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err, row.at("message") + "\n");
      continue;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    for (const auto& [name, value] : json["inputs"].items()) {
      EXPECT_EQ(Number(row.at(name)), value.get<double>()) << name;
    }
    if (json.value("dry_out", false)) {
      EXPECT_EQ(row.at("dry_out"), "true");
      continue;
    }
    ASSERT_FALSE(json["results"].empty());
    for (const auto& [name, value] : json["results"].items()) {
      EXPECT_EQ(Number(row.at(name)), value.get<double>()) << name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, SweepAgreesWithSingleRuns,
    testing::Values(SweepCase{"WallLengthThroughAllRegimes", {"cvw"}, "length", "-1:12:6"},
                    SweepCase{"TubeWallTemperatureUpToSaturation",
                              {"ht", "--saturated"},
                              "wall-temp",
                              "300:380:5"},
                    SweepCase{"WallLengthInLogarithmicSteps", {"cvw"}, "length", "0.01:10:7:log"},
                    SweepCase{"EvaporationFromDryOutToTurbulentTop",
                              {"evw", "--wall-temp", "305"},
                              "flow-rate",
                              "0:1.5:7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sweep, SpacesItsValuesEvenlyAndNamesItsColumns) {
  const test::CalcRun run = RunCalc({"cvw", "--sweep", "length=0:1:5"});
  const std::vector<std::string> lines = test::Lines(run.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0],
            "pressure,vapor_temp,wall_temp,length,A,n,B,m,s,C,v,D,w,reynolds_number,"
            "condensation_rate,heat_transfer_coefficient,message,preset,notes");
  const std::vector<Row> rows = CsvRows(run.out);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Number(rows[i].at("length")), 0.25 * i);
  EXPECT_EQ(rows[0].at("message"), "*** ERROR: Length must be greater than zero.");
  EXPECT_EQ(rows[0].at("reynolds_number"), "");
}

TEST(Sweep, StepsByAConstantRatioWhenLogarithmic) {
  const test::CalcRun run = RunCalc({"evw", "--sweep", "flow-rate=0.001:1:4:log"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Row> rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), 4u);
  // As read into the single-precision field.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Number(rows[i].at("flow_rate")), static_cast<float>(std::pow(10.0, i - 3)));
  }
}

TEST(Sweep, TakesTheFieldsUnitsAndNamesThePresetOrRowFactor) {
  struct Case {
    std::vector<std::string> args;
    std::string column;
    std::vector<double> values;  // of the swept field, as read
    std::string setting;         // of the preset or row_factor column
  };
  const std::vector<Case> cases{
      {{"cvw", "--sweep", "wall-temp=10 degC:50 degF:2"},
       "wall_temp",
       {283.15F, 283.15F},
       "default"},
      {{"ht", "--row-factor", "kern", "--sweep", "tube-diameter=10 mm: 2 cm:2"},
       "tube_diameter",
       {0.01F, 0.02F},
       "kern"},
      {{"evw", "--preset", "nusselt-laminar", "--sweep", "flow-rate=1 kg/m h:0.5:2"},
       "flow_rate",
       {static_cast<float>(1.0 / 3600), 0.5F},
       "nusselt-laminar"},
      {{"cvw", "--sweep", "A=1:2:2"}, "A", {1, 2}, "custom"}};
  for (const Case& c : cases) {
    const test::CalcRun run = RunCalc(c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Row> rows = CsvRows(run.out);
    ASSERT_EQ(rows.size(), c.values.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(Number(rows[i].at(c.column)), c.values[i]) << c.args.back();
      EXPECT_EQ(rows[i].at(c.args[0] == "ht" ? "row_factor" : "preset"), c.setting);
    }
  }
  const test::CalcRun wrongUnit = RunCalc({"cvw", "--sweep", "length=1 bar:2:3"});
  EXPECT_EQ(wrongUnit.status, 2);
  EXPECT_NE(wrongUnit.err.find("--sweep: START: \"bar\" in \"1 bar\" is not a unit of length"),
            std::string::npos)
      << wrongUnit.err;
}

TEST(Sweep, QuotesAMessageThatHoldsQuotes) {
  const test::CalcRun run = RunCalc({"evw", "--A", "x,y", "--sweep", "length=1:2:2"});
  const std::vector<std::string> lines = test::Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  const std::string quoted = "\"*** ERROR: Coefficient A is not a number: \"\"x,y\"\".\",custom,";
  EXPECT_EQ(lines[1].substr(lines[1].size() - quoted.size()), quoted);
}

TEST(Sweep, RefusesARangeItCannotRun) {
  for (const char* sweep :
       {"length", "length=1:2", "length=a:2:3", "length=1:2:0", "length=1:2:2.5", "tubes=1:2:3",
        "=1:2:3", "length=0:1:3:log", "length=-1:1:3:log", "length=1:2:3:lin", "length=1:2:log",
        "length=-1e308:1e308:3"}) {
    EXPECT_EQ(RunCalc({"cvw", "--sweep", sweep}).status, 2) << sweep;
  }
  EXPECT_EQ(RunCalc({"cvw", "--saturated", "--sweep", "vapor-temp=380:400:3"}).status, 2);
  EXPECT_EQ(RunCalc({"cvw", "--format", "json", "--sweep", "length=1:2:3"}).status, 2);
}

}  // namespace
}  // namespace dorix
