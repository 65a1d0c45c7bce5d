// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/calc/report.h"
#include "core/state/module1.h"

namespace dorix {
namespace {

TEST(ReportWriter, CondensationReportOpensWithTheEightBlankLine) {
  ReportWriter report = ReportWriter::CondensationHeader();
  report.AppendSaturationLine(373.124, 101325.0F);
  report.AppendPropertyLine(kLiquidDensityLine, 958.35, 343.1);
  report.AppendPropertyLine(kLiquidPrandtlLine, 2.5, 343.1);
  report.AppendEmptyLine();
  report.AppendResultLine("Average heat transfer coefficient = ", 5432.1,
                          kCondensationCoefficientUnit);
  EXPECT_EQ(report.text(),
            "Output:\r\n"
            "        \r\n"
            "Saturation temperature = 373.1 K at P=1.01E+05 Pa\r\n"
            "Liquid density = 958.4 kg/m\u00B3 at T=343.1 K\r\n"
            "Liquid Prandtl number = 2.500 at T=343.1 K\r\n"
            "\r\n"
            "Average heat transfer coefficient = 5432. W/m\u00B2K\r\n");
}

TEST(ReportWriter, EvaporationReportHasItsOwnHeaderAndUnit) {
  ReportWriter report = ReportWriter::EvaporationHeader();
  report.AppendPropertyLine(kEnthalpyOfVaporizationLine, 2.2564e6, 300);
  report.AppendEmptyLine();
  report.AppendResultLine("Reynolds number at the end of the wall = ", 1234.5, kNoUnit);
  report.AppendResultLine("Average heat transfer coefficient = ", 10.5,
                          kEvaporationCoefficientUnit);
  EXPECT_EQ(report.text(),
            "Output :\r\n"
            "Enthalpy of vaporization = 2.26E+06 J/kg at T=300.0 K\r\n"
            "\r\n"
            "Reynolds number at the end of the wall = 1235.\r\n"
            "Average heat transfer coefficient = 10.50 W/m\u00B2 K\r\n");
}

TEST(ReportWriter, UsesTheSingleSuperscriptCharacters) {
  // U+00B3 and U+00B2 in UTF-8, not the digits 3 and 2.
  EXPECT_EQ(kLiquidDensityLine.join, " kg/m\xC2\xB3 at T=");
  EXPECT_EQ(kCondensationCoefficientUnit, " W/m\xC2\xB2K");
}

}  // namespace
}  // namespace dorix
