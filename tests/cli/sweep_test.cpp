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

struct SweepCase {
  Args args;          // the problem and its fixed options
  std::string field;  // the swept option, without dashes
  std::string range;  // START:STOP:COUNT
};

void PrintTo(const SweepCase& c, std::ostream* os) {
  *os << c.args[0] << ' ' << c.field;
}

class SweepAgreesWithSingleRuns : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepAgreesWithSingleRuns, PointByPoint) {
  const SweepCase& c = GetParam();
  auto args = c.args;
  args.insert(args.end(), {"--sweep", c.field + "=" + c.range});
  const test::CalcRun sweep = RunCalc(args);
  ASSERT_EQ(sweep.status, 0) << sweep.err;
  std::string column = c.field;
  std::replace(column.begin(), column.end(), '-', '_');
  for (const Row& row : CsvRows(sweep.out)) {
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

// Through every regime with refused points, the tube row's columns, and a
// film from dry-out to a turbulent top.
INSTANTIATE_TEST_SUITE_P(
    Problems, SweepAgreesWithSingleRuns,
    testing::Values(SweepCase{{"cvw"}, "length", "-1:12:6"},
                    SweepCase{{"ht", "--saturated"}, "wall-temp", "300:380:5"},
                    SweepCase{{"evw", "--wall-temp", "305"}, "flow-rate", "0:1.5:7"}));

TEST(Sweep, NamesItsColumns) {
  EXPECT_EQ(test::Lines(RunCalc({"cvw", "--sweep", "length=0:1:5"}).out).at(0),
            "pressure,vapor_temp,wall_temp,length,A,n,B,m,s,C,v,D,w,reynolds_number,"
            "condensation_rate,heat_transfer_coefficient,message,preset,notes");
}

// The swept field's values as read, in single precision, and the preset or
// row factor every row names.
struct ValuesCase {
  Args args;
  std::string column;
  std::vector<float> values;
  std::string setting;
};

// Names the case by its sweep, so that test names stay the same from build to build.
void PrintTo(const ValuesCase& c, std::ostream* out) {
  *out << c.args.back();
}

class SweepValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(SweepValues, AreEvenlySpacedInTheFieldsUnitsOrLogarithmic) {
  const ValuesCase& c = GetParam();
  const test::CalcRun run = RunCalc(c.args);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Row> rows = CsvRows(run.out);
  ASSERT_EQ(rows.size(), c.values.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(Number(rows[i].at(c.column)), c.values[i]) << c.args.back();
    EXPECT_EQ(rows[i].at(c.args[0] == "ht" ? "row_factor" : "preset"), c.setting);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, SweepValues, testing::Values(
    ValuesCase{{"cvw", "--sweep", "length=0:1:5"}, "length", {0, 0.25F, 0.5F, 0.75F, 1}, "default"},
    ValuesCase{{"cvw", "--sweep", "wall-temp=10 degC:50 degF:2"}, "wall_temp", {283.15F, 283.15F}, "default"},
    ValuesCase{{"ht", "--row-factor", "kern", "--sweep", "tube-diameter=10 mm: 2 cm:2"}, "tube_diameter", {0.01F, 0.02F}, "kern"},
    ValuesCase{{"evw", "--preset", "nusselt-laminar", "--sweep", "flow-rate=1 kg/m h:0.5:2"}, "flow_rate", {1.0F / 3600, 0.5F}, "nusselt-laminar"},
    ValuesCase{{"evw", "--sweep", "flow-rate=0.001:1:4:log"}, "flow_rate", {1e-3F, 1e-2F, 0.1F, 1.0F}, "default"},
    ValuesCase{{"cvw", "--sweep", "A=1:2:2"}, "A", {1, 2}, "custom"}));
// clang-format on

TEST(Sweep, QuotesAMessageThatHoldsQuotes) {
  const std::vector<std::string> lines =
      test::Lines(RunCalc({"evw", "--A", "x,y", "--sweep", "length=1:2:2"}).out);
  ASSERT_EQ(lines.size(), 3u);
  const std::string quoted = "\"*** ERROR: Coefficient A is not a number: \"\"x,y\"\".\",custom,";
  EXPECT_TRUE(lines[1].ends_with(quoted)) << lines[1];
}

}  // namespace
}  // namespace dorix
