// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::RunCalc;
using Args = std::vector<std::string>;

// One run a row. Status 1 (refused) shows exactly the first failing check's
// message, as the window does, after "*** ERROR: "; 0 and 2 show `err`
// somewhere on standard error. A run that fails prints nothing on standard
// output. Raw runs get no --data.
struct StatusCase {
  Args args;
  int status;
  std::string err;
  bool raw = false;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
  for (const auto& arg : c.args) *os << arg << ' ';
}

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, TellsSuccessRefusalAndUsageApart) {
  const StatusCase& c = GetParam();
  const test::CalcRun run = c.raw ? test::RunCalcRaw(c.args) : RunCalc(c.args);
  EXPECT_EQ(run.status, c.status) << run.err;
  if (c.status == 1) {
    EXPECT_EQ(run.err, "*** ERROR: " + c.err + "\n");
  } else {
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
  if (c.status != 0) {
    EXPECT_EQ(run.out, "");
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, ExitStatus, testing::Values(
    StatusCase{{"wall-evaporation"}, 0, ""},
    StatusCase{{"evw", "--flow-rate", "0.001"}, 0, "the film dries out before the end of the wall"},
    StatusCase{{"evw", "--fluid", "N2", "--sat-temp", "77", "--wall-temp", "80"}, 0, ""},
    StatusCase{{"evw", "--fluid", "r744", "--sat-temp", "250", "--wall-temp", "260"}, 0, ""},
    StatusCase{{"evw", "--fluid", "R-1234ze(E)", "--sat-temp", "250"}, 0, ""},
    // Saturated, the vapour temperature field is not read.
    StatusCase{{"cvw", "--saturated", "--vapor-temp", "not read"}, 0, ""},
    StatusCase{{"ht", "--saturated", "--vapor-temp", "not read"}, 0, ""},
    StatusCase{{"--help"}, 0, "", true},
    StatusCase{{"evw", "--help"}, 0, "", true},
    StatusCase{{}, 2, "name a problem", true},
    StatusCase{{"boiling"}, 2, "boiling"},
    StatusCase{{"cvw", "--tubes", "3"}, 2, "--tubes"},
    StatusCase{{"evw", "--saturated"}, 2, "--saturated"},
    StatusCase{{"cvw", "--fluid", "helium"}, 2, "unknown fluid \"helium\""},
    StatusCase{{"cvw", "--fluid", "13"}, 2, "unknown fluid"},
    StatusCase{{"cvw", "--format", "xml"}, 2, "xml"},
    StatusCase{{"cvw", "--data", "/nonexistent/BoilProp.dat"}, 2, "/nonexistent/BoilProp.dat", true},
    StatusCase{{"cvw", "--preset", "chen"}, 2, "chen"},
    StatusCase{{"ht", "--preset", "default"}, 2, "--preset"},
    StatusCase{{"cvw", "--row-factor", "kern"}, 2, "--row-factor"},
    StatusCase{{"ht", "--row-factor", "shah"}, 2, "shah"},
    StatusCase{{"cvw", "--compare", "--sweep", "length=1:2:3"}, 2, "--compare and --sweep"},
    StatusCase{{"evw", "--compare", "--profile", "10"}, 2, "--compare and --profile"},
    StatusCase{{"cvw", "--profile", "1"}, 2, "not in range 2 to"},
    StatusCase{{"cvw", "--profile", "2000000"}, 2, "to 1000000"},
    StatusCase{{"cvw", "--profile", "ten"}, 2, "ten"},
    StatusCase{{"cvw", "--profile", "5", "--format", "json"}, 2, "--profile always writes CSV"},
    StatusCase{{"evw", "--profile", "5", "--sweep", "length=1:2:3"}, 2, "--profile and --sweep"},
    StatusCase{{"cvw", "--sweep", "length"}, 2, "--sweep takes NAME=START:STOP:COUNT[:log]"},
    StatusCase{{"cvw", "--sweep", "length=1:2"}, 2, "--sweep takes"},
    StatusCase{{"cvw", "--sweep", "=1:2:3"}, 2, "--sweep takes"},
    StatusCase{{"cvw", "--sweep", "length=1:2:log"}, 2, "--sweep takes"},
    StatusCase{{"cvw", "--sweep", "length=a:2:3"}, 2, "--sweep: START is not a number: \"a\"."},
    StatusCase{{"cvw", "--sweep", "length=1 bar:2:3"}, 2, "--sweep: START: \"bar\" in \"1 bar\" is not a unit of length"},
    StatusCase{{"cvw", "--sweep", "length=-1e308:1e308:3"}, 2, "--sweep: START is beyond the range"},
    StatusCase{{"cvw", "--sweep", "length=1:2:0"}, 2, "COUNT must be a whole number from 1 to"},
    StatusCase{{"cvw", "--sweep", "length=1:2:2.5"}, 2, "COUNT must"},
    StatusCase{{"cvw", "--sweep", "tubes=1:2:3"}, 2, "wall-condensation has no field \"tubes\""},
    StatusCase{{"cvw", "--sweep", "length=0:1:3:log"}, 2, "logarithmic steps need START and STOP"},
    StatusCase{{"cvw", "--saturated", "--sweep", "vapor-temp=380:400:3"}, 2, "is not read"},
    StatusCase{{"cvw", "--format", "json", "--sweep", "length=1:2:3"}, 2, "--sweep always writes CSV"},
    StatusCase{{"cvw", "--jobs", "0", "--sweep", "length=1:2:3"}, 2, "--jobs"},
    StatusCase{{"cvw", "--pressure", "1", "--wall-temp", "500"}, 1, "Given pressure is out of range."},
    StatusCase{{"cvw", "--saturated", "--pressure", "1"}, 1, "Given pressure is out of range."},
    StatusCase{{"cvw", "--vapor-temp", "350", "--wall-temp", "360"}, 1, "Vapor temp. should be higher than Wall temp."},
    StatusCase{{"cvw", "--vapor-temp", "350", "--wall-temp", "350"}, 1, "Vapor temp. should be higher than Saturation temp."},
    StatusCase{{"cvw", "--wall-temp", "380", "--length", "0"}, 1, "Wall temp. should be lower than Saturation temp."},
    StatusCase{{"cvw", "--wall-temp", "100"}, 1, "Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range."},
    StatusCase{{"cvw", "--vapor-temp", "5000"}, 1, "Vapor reference temp(=(Tsat+Tv)/2) is out of range."},
    StatusCase{{"cvw", "--length", "abc", "--A", "0"}, 1, "Length of wall [m] is not a number: \"abc\"."},
    StatusCase{{"cvw", "--w", " "}, 1, "Coefficient w is empty; please enter a number."},
    StatusCase{{"cvw", "--length", "0"}, 1, "Length must be greater than zero."},
    StatusCase{{"cvw", "--A", "0"}, 1, "Coefficient A must not be zero."},
    StatusCase{{"cvw", "--C", "0"}, 1, "Transition Reynolds number Re(wl) = C*Pr^v must be greater than zero."},
    StatusCase{{"cvw", "--m", "3", "--length", "100"}, 1, "The turbulent law Nu = B*Re^m*Pr^s has no real solution at the end of the wall for these coefficients."},
    StatusCase{{"cvw", "--wall-temp", "380", "--profile", "5"}, 1, "Wall temp. should be lower than Saturation temp."},
    StatusCase{{"ht", "--pressure", "1", "--tube-diameter", "0"}, 1, "Given pressure is out of range."},
    StatusCase{{"ht", "--tube-diameter", "0", "--tubes", "0"}, 1, "Tube diameter must be greater than zero."},
    StatusCase{{"ht", "--tubes", "0", "--wall-temp", "380"}, 1, "Number of tubes must be greater than zero."},
    StatusCase{{"ht", "--wall-temp", "380"}, 1, "Wall temp. should be lower than Saturation temp."},
    StatusCase{{"ht", "--fluid", "mercury", "--vapor-temp", "-3000", "--wall-temp", "500"}, 1, "Modified enthalpy of vaporization hfg* is zero or negative for these temperatures."},
    StatusCase{{"ht", "--tubes", "1e6", "--profile", "5"}, 1, "A row of more than 1000 tubes is too long to show tube by tube."},
    StatusCase{{"evw", "--wall-temp", "300", "--length", "0"}, 1, "Wall Temp. should be higher than Saturation Temp."},
    StatusCase{{"evw", "--sat-temp", "-10", "--wall-temp", "0"}, 1, "Wall Temp. should be higher than zero."},
    StatusCase{{"evw", "--length", "0", "--flow-rate", "0"}, 1, "Wall Length should be greater than zero."},
    StatusCase{{"evw", "--flow-rate", "0"}, 1, "Mass flow rate should be greater than zero."},
    StatusCase{{"evw", "--wall-temp", "2000"}, 1, "Liquid reference temp(1439.=Tw+Alpha(Tsat-Tw)) is out of range."},
    StatusCase{{"evw", "--sat-temp", "100", "--wall-temp", "2000"}, 1, "Liquid reference temp(1373.=Tw+Alpha(Tsat-Tw)) is out of range."},
    StatusCase{{"evw", "--sat-temp", "200", "--wall-temp", "700"}, 1, "Given saturation temperature is out of range."},
    StatusCase{{"evw", "--B", "0"}, 1, "Coefficient B must not be zero."},
    StatusCase{{"evw", "--flow-rate", "1,0"}, 1, "Initial mass flow rate per unit width (kg/m s) is not a number: \"1,0\"."}));
// clang-format on

TEST(Fluids, AreNamedByNameInAnyCaseOrByNumber) {
  auto ammonia = [](const char* fluid) {
    return RunCalc({"cvw", "--vapor-temp", "280", "--wall-temp", "230", "--fluid", fluid}).out;
  };
  ASSERT_NE(ammonia("ammonia"), "");
  EXPECT_EQ(ammonia("2"), ammonia("ammonia"));
  EXPECT_EQ(ammonia("AMMONIA"), ammonia("ammonia"));
  EXPECT_NE(RunCalc({"cvw"}).out, ammonia("ammonia"));
}

TEST(Report, EndsLinesWithCrLfWhenAsked) {
  const std::string lf = RunCalc({"ht"}).out;
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(RunCalc({"ht", "--crlf"}).out, crlf);
}

TEST(Json, NamesTheRunAndMarksADryOut) {
  const auto json = test::Json({"wall-condensation"});
  EXPECT_EQ(json["problem"], "wall-condensation");
  EXPECT_EQ(json["inputs"]["w"].get<double>(), static_cast<double>(-1.06f));
  EXPECT_FALSE(json.contains("dry_out"));
  EXPECT_EQ(test::Json({"evw", "--flow-rate", "0.001"})["dry_out"], true);
  EXPECT_EQ(test::Json({"evw"})["dry_out"], false);
}

}  // namespace
}  // namespace dorix
