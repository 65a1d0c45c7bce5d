// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "calc_runner.h"
#include "core/text/format_value.h"

namespace dorix {
namespace {

using test::RunCalc;
using test::RunCalcRaw;

struct StatusCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  std::string err;  // expected in standard error
  bool withData = true;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
  *os << c.name;
}

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, TellsSuccessRefusalAndUsageApart) {
  const StatusCase& c = GetParam();
  const test::CalcRun run = c.withData ? RunCalc(c.args) : RunCalcRaw(c.args);
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  if (c.status != 0) {
    EXPECT_TRUE(run.out.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExitStatus,
    testing::Values(
        StatusCase{"Success", {"cvw"}, 0, ""},
        StatusCase{"ShortAndLongProblemNames", {"wall-evaporation"}, 0, ""},
        StatusCase{"DryOutIsAResult",
                   {"evw", "--flow-rate", "0.001"},
                   0,
                   "the film dries out before the end of the wall"},
        StatusCase{"RefusedInput", {"cvw", "--wall-temp", "400"}, 1, "*** ERROR: "},
        StatusCase{"NoProblem", {}, 2, "name a problem", false},
        StatusCase{"UnknownProblem", {"boiling"}, 2, "boiling"},
        StatusCase{"FieldOfAnotherProblem", {"cvw", "--tubes", "3"}, 2, "--tubes"},
        StatusCase{"NoTemperatureChoiceInEvaporation", {"evw", "--saturated"}, 2, "--saturated"},
        StatusCase{"UnknownFluid", {"cvw", "--fluid", "helium"}, 2, "unknown fluid \"helium\""},
        StatusCase{"FluidNumberOutOfRange", {"cvw", "--fluid", "13"}, 2, "unknown fluid"},
        StatusCase{"FluidByFormula",
                   {"evw", "--fluid", "N2", "--sat-temp", "77", "--wall-temp", "80"},
                   0,
                   ""},
        StatusCase{"FluidByAlias",
                   {"evw", "--fluid", "r744", "--sat-temp", "250", "--wall-temp", "260"},
                   0,
                   ""},
        StatusCase{
            "FluidByDisplayName", {"evw", "--fluid", "R-1234ze(E)", "--sat-temp", "250"}, 0, ""},
        StatusCase{"UnknownFormat", {"cvw", "--format", "xml"}, 2, "xml"},
        StatusCase{"MissingPropertyFile",
                   {"cvw", "--data", "/nonexistent/BoilProp.dat"},
                   2,
                   "/nonexistent/BoilProp.dat",
                   false},
        StatusCase{"UnknownPreset", {"cvw", "--preset", "chen"}, 2, "chen"},
        StatusCase{"PresetOnTheTubeRow", {"ht", "--preset", "default"}, 2, "--preset"},
        StatusCase{"RowFactorOnAWall", {"cvw", "--row-factor", "kern"}, 2, "--row-factor"},
        StatusCase{"UnknownRowFactor", {"ht", "--row-factor", "shah"}, 2, "shah"},
        StatusCase{"CompareAndSweep",
                   {"cvw", "--compare", "--sweep", "length=1:2:3"},
                   2,
                   "--compare and --sweep"},
        StatusCase{"CompareAndProfile",
                   {"evw", "--compare", "--profile", "10"},
                   2,
                   "--compare and --profile"},
        StatusCase{"TooFewProfilePoints", {"cvw", "--profile", "1"}, 2, "not in range 2 to"},
        StatusCase{"TooManyProfilePoints", {"cvw", "--profile", "2000000"}, 2, "to 1000000"},
        StatusCase{"ProfilePointsNotANumber", {"cvw", "--profile", "ten"}, 2, "ten"},
        StatusCase{"ProfileAsJson",
                   {"cvw", "--profile", "5", "--format", "json"},
                   2,
                   "--profile always writes CSV"},
        StatusCase{"ProfileAndSweep",
                   {"evw", "--profile", "5", "--sweep", "length=1:2:3"},
                   2,
                   "--profile and --sweep"},
        StatusCase{"HelpOnTheTool", {"--help"}, 0, "", false},
        StatusCase{"HelpOnAProblem", {"evw", "--help"}, 0, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fluids, AreNamedByNameInAnyCaseOrByNumber) {
  const std::vector<std::string> ammonia{"cvw", "--vapor-temp", "280", "--wall-temp", "230"};
  auto with = [&](const char* fluid) {
    auto args = ammonia;
    args.insert(args.end(), {"--fluid", fluid});
    return RunCalc(args);
  };
  const test::CalcRun byName = with("ammonia");
  ASSERT_EQ(byName.status, 0) << byName.err;
  EXPECT_EQ(with("2").out, byName.out);
  EXPECT_EQ(with("AMMONIA").out, byName.out);
  EXPECT_NE(RunCalc({"cvw"}).out, byName.out);
}

TEST(Report, HasLfLineEndsUnlessCrLfIsAsked) {
  const std::string lf = RunCalc({"ht"}).out;
  const std::string crlf = RunCalc({"ht", "--crlf"}).out;
  EXPECT_EQ(lf.find('\r'), std::string::npos);
  std::string expected;
  for (const char c : lf) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(crlf, expected);
  EXPECT_EQ(test::Lines(lf).size(), 14u);
  EXPECT_EQ(test::Lines(lf)[1], "        ");
}

// The JSON holds the numbers the report shows, at full precision.
class JsonOutput : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(JsonOutput, CarriesTheNumbersOfTheReport) {
  const std::string report = RunCalc(GetParam()).out;
  auto args = GetParam();
  args.insert(args.end(), {"--format", "json"});
  const test::CalcRun run = RunCalc(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  const std::vector<std::string> lines = test::Lines(report);
  auto shown = [&](const std::string& text) {
    for (const auto& line : lines) {
      if (line.find(text) != std::string::npos) return true;
    }
    return false;
  };
  for (const auto& [name, property] : json["properties"].items()) {
    const std::string value = FormatValue(property["value"].get<double>());
    const std::string at = FormatValue(property["at"].get<double>());
    EXPECT_TRUE(shown(" = " + value + " ") && shown("=" + at + " ")) << name;
  }
  ASSERT_FALSE(json["results"].empty());
  for (const auto& [name, value] : json["results"].items()) {
    EXPECT_TRUE(shown(" = " + FormatValue(value.get<double>()))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Problems, JsonOutput,
                         testing::Values(std::vector<std::string>{"cvw", "--saturated"},
                                         std::vector<std::string>{"ht", "--tubes", "2.5"},
                                         std::vector<std::string>{"evw", "--flow-rate", "0.05",
                                                                  "--wall-temp", "305"}));

TEST(Json, NamesTheProblemFluidInputsAndResults) {
  const test::CalcRun run =
      RunCalc({"wall-condensation", "--length", "2.5", "--fluid", "1", "--format", "json"});
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["problem"], "wall-condensation");
  EXPECT_EQ(json["fluid"], "water");
  EXPECT_EQ(json["inputs"]["length"].get<double>(), 2.5);
  EXPECT_EQ(json["inputs"]["w"].get<double>(), static_cast<double>(-1.06f));
  EXPECT_EQ(json["properties"]["saturation_temperature"]["at"].get<double>(), 101325.0);
  EXPECT_EQ(json["properties"]["liquid_density"]["at"].get<double>(),
            json["properties"]["liquid_conductivity"]["at"].get<double>());
  for (const char* result : {"reynolds_number", "condensation_rate", "heat_transfer_coefficient"}) {
    EXPECT_TRUE(json["results"].contains(result)) << result;
  }
  EXPECT_FALSE(json.contains("dry_out"));
}

TEST(Json, SaturationModeEvaluatesTheVaporAtTsatWhateverItsFieldHolds) {
  for (const char* problem : {"cvw", "ht"}) {
    const auto json = nlohmann::json::parse(
        RunCalc({problem, "--saturated", "--vapor-temp", "not read", "--format", "json"}).out);
    const double Tsat = json["properties"]["saturation_temperature"]["value"];
    EXPECT_EQ(json["inputs"]["vapor_temp"].get<double>(), Tsat) << problem;
    EXPECT_EQ(json["properties"]["vapor_specific_heat"]["at"].get<double>(), Tsat) << problem;
  }
}

TEST(Json, ShowsADryOutWithoutResults) {
  const test::CalcRun run = RunCalc({"evw", "--flow-rate", "0.001", "--format", "json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("dries out"), std::string::npos);
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["dry_out"], true);
  EXPECT_TRUE(json["results"].empty());
  EXPECT_EQ(json["properties"].size(), 6u);
  EXPECT_EQ(nlohmann::json::parse(RunCalc({"evw", "--format", "json"}).out)["dry_out"], false);
}

}  // namespace
}  // namespace dorix
