// SPDX-License-Identifier: MIT
// The rows are the core's (sweep_row_test); here the option's syntax, units
// and CSV, against the JSON of single runs. Refused ranges: run_calc_test.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::CsvRows;
using test::Number;
using test::RunCalc;
using Args = std::vector<std::string>;
using Row = std::map<std::string, std::string>;

// A sweep: the problem and its fixed options, the swept option without
// dashes, its range, the values read in single precision, and the preset or
// row factor every row names.
struct SweepCase {
  Args args;
  std::string field;
  std::string range;
  std::vector<float> values;
  std::string setting;
};

// Names the case by its sweep, so that test names stay the same from build to build.
void PrintTo(const SweepCase& c, std::ostream* os) {
  *os << c.args[0] << ' ' << c.field << '=' << c.range;
}

class SweepOption : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepOption, StepsInTheFieldsUnitsAndAgreesWithSingleRuns) {
  const SweepCase& c = GetParam();
  auto args = c.args;
  args.insert(args.end(), {"--sweep", c.field + "=" + c.range});
  const test::CalcRun sweep = RunCalc(args);
  ASSERT_EQ(sweep.status, 0) << sweep.err;
  std::string column = c.field;
  std::replace(column.begin(), column.end(), '-', '_');
  const std::vector<Row> rows = CsvRows(sweep.out);
  ASSERT_EQ(rows.size(), c.values.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    EXPECT_EQ(Number(row.at(column)), c.values[i]) << i;
    EXPECT_EQ(row.at(c.args[0] == "ht" ? "row_factor" : "preset"), c.setting);
    auto single = c.args;
    single.insert(single.end(), {"--" + c.field, row.at(column), "--format", "json"});
    const test::CalcRun run = RunCalc(single);
    if (!row.at("message").empty()) {
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err, row.at("message") + "\n");
      continue;
    }
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

// Through every regime with refused points, the tube row's columns, a film
// from a refused flow rate to a turbulent top, units and logarithmic steps.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, SweepOption, testing::Values(
    SweepCase{{"cvw"}, "length", "-1:12:6", {-1, 1.6F, 4.2F, 6.8F, 9.4F, 12}, "default"},
    SweepCase{{"ht", "--saturated"}, "wall-temp", "300:380:5", {300, 320, 340, 360, 380}, "nusselt"},
    SweepCase{{"evw", "--wall-temp", "305"}, "flow-rate", "0:1.5:7", {0, 0.25F, 0.5F, 0.75F, 1, 1.25F, 1.5F}, "default"},
    SweepCase{{"cvw"}, "wall-temp", "10 degC:50 degF:2", {283.15F, 283.15F}, "default"},
    SweepCase{{"ht", "--row-factor", "kern"}, "tube-diameter", "10 mm: 2 cm:2", {0.01F, 0.02F}, "kern"},
    SweepCase{{"evw", "--preset", "nusselt-laminar"}, "flow-rate", "1 kg/m h:0.5:2", {1.0F / 3600, 0.5F}, "nusselt-laminar"},
    SweepCase{{"evw"}, "flow-rate", "0.001:1:4:log", {1e-3F, 1e-2F, 0.1F, 1.0F}, "default"},
    SweepCase{{"cvw"}, "A", "1:2:2", {1, 2}, "custom"}));
// clang-format on

TEST(Sweep, NamesItsColumns) {
  EXPECT_EQ(test::Lines(RunCalc({"cvw", "--sweep", "length=0:1:5"}).out).at(0),
            "pressure,vapor_temp,wall_temp,length,A,n,B,m,s,C,v,D,w,reynolds_number,"
            "condensation_rate,heat_transfer_coefficient,message,preset,notes");
}

TEST(Sweep, QuotesAMessageThatHoldsQuotes) {
  const std::vector<std::string> lines =
      test::Lines(RunCalc({"evw", "--A", "x,y", "--sweep", "length=1:2:2"}).out);
  ASSERT_EQ(lines.size(), 3u);
  const std::string quoted = "\"*** ERROR: Coefficient A is not a number: \"\"x,y\"\".\",custom,";
  EXPECT_TRUE(lines[1].ends_with(quoted)) << lines[1];
}

}  // namespace
}  // namespace dorix
