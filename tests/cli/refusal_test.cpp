// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc_runner.h"

namespace dorix {
namespace {

// A refused run shows the first failing check's message, exactly as the
// window does, and no report: the window keeps the one it had.
struct Refusal {
  std::vector<std::string> args;
  std::string message;
};

class Refused : public testing::TestWithParam<Refusal> {};

TEST_P(Refused, ShowsTheFirstFailingCheckOnly) {
  const test::CalcRun run = test::RunCalc(GetParam().args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, GetParam().message + "\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    WallCondensation, Refused,
    testing::Values(
        Refusal{{"cvw", "--pressure", "1", "--wall-temp", "500"},
                "*** ERROR: Given pressure is out of range."},
        Refusal{{"cvw", "--saturated", "--pressure", "1"},
                "*** ERROR: Given pressure is out of range."},
        Refusal{{"cvw", "--vapor-temp", "350", "--wall-temp", "360"},
                "*** ERROR: Vapor temp. should be higher than Wall temp."},
        Refusal{{"cvw", "--vapor-temp", "350", "--wall-temp", "350"},
                "*** ERROR: Vapor temp. should be higher than Saturation temp."},
        Refusal{{"cvw", "--wall-temp", "380", "--length", "0"},
                "*** ERROR: Wall temp. should be lower than Saturation temp."},
        Refusal{{"cvw", "--wall-temp", "100"},
                "*** ERROR: Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range."},
        Refusal{{"cvw", "--vapor-temp", "5000"},
                "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range."},
        Refusal{{"cvw", "--length", "abc", "--A", "0"},
                "*** ERROR: Length of wall [m] is not a number: \"abc\"."},
        Refusal{{"cvw", "--w", " "}, "*** ERROR: Coefficient w is empty; please enter a number."},
        Refusal{{"cvw", "--length", "0"}, "*** ERROR: Length must be greater than zero."},
        Refusal{{"cvw", "--A", "0"}, "*** ERROR: Coefficient A must not be zero."},
        Refusal{{"cvw", "--C", "0"},
                "*** ERROR: Transition Reynolds number Re(wl) = C*Pr^v must be greater than zero."},
        Refusal{{"cvw", "--m", "3", "--length", "100"},
                "*** ERROR: The turbulent law Nu = B*Re^m*Pr^s has no real solution at the end of "
                "the wall for these coefficients."}));

INSTANTIATE_TEST_SUITE_P(
    TubeCondensation, Refused,
    testing::Values(
        Refusal{{"ht", "--pressure", "1", "--tube-diameter", "0"},
                "*** ERROR: Given pressure is out of range."},
        Refusal{{"ht", "--tube-diameter", "0", "--tubes", "0"},
                "*** ERROR: Tube diameter must be greater than zero."},
        Refusal{{"ht", "--tubes", "0", "--wall-temp", "380"},
                "*** ERROR: Number of tubes must be greater than zero."},
        Refusal{{"ht", "--wall-temp", "380"},
                "*** ERROR: Wall temp. should be lower than Saturation temp."},
        Refusal{{"ht", "--fluid", "mercury", "--vapor-temp", "-3000", "--wall-temp", "500"},
                "*** ERROR: Modified enthalpy of vaporization hfg* is zero or negative for these "
                "temperatures."}));

INSTANTIATE_TEST_SUITE_P(
    WallEvaporation, Refused,
    testing::Values(
        Refusal{{"evw", "--wall-temp", "300", "--length", "0"},
                "*** ERROR: Wall Temp. should be higher than Saturation Temp."},
        Refusal{{"evw", "--sat-temp", "-10", "--wall-temp", "0"},
                "*** ERROR: Wall Temp. should be higher than zero."},
        Refusal{{"evw", "--length", "0", "--flow-rate", "0"},
                "*** ERROR: Wall Length should be greater than zero."},
        Refusal{{"evw", "--flow-rate", "0"},
                "*** ERROR: Mass flow rate should be greater than zero."},
        Refusal{{"evw", "--wall-temp", "2000"},
                "*** ERROR: Liquid reference temp(1439.=Tw+Alpha(Tsat-Tw)) is out of range."},
        Refusal{{"evw", "--sat-temp", "100", "--wall-temp", "2000"},
                "*** ERROR: Liquid reference temp(1373.=Tw+Alpha(Tsat-Tw)) is out of range."},
        Refusal{{"evw", "--sat-temp", "200", "--wall-temp", "700"},
                "*** ERROR: Given saturation temperature is out of range."},
        Refusal{{"evw", "--B", "0"}, "*** ERROR: Coefficient B must not be zero."},
        Refusal{{"evw", "--flow-rate", "1,0"},
                "*** ERROR: Initial mass flow rate per unit width (kg/m s) is not a number: "
                "\"1,0\"."}));

}  // namespace
}  // namespace dorix
