// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "core/solvers/tube_profile.h"
#include "core/solvers/wall_profile.h"

namespace dorix {

// The texts of the profile window. Every number in them is written by
// FormatValue, as in the reports; the chart axes label their ticks
// themselves (number_axis.h).

// The unit of a heat-transfer coefficient as the profile's window writes it
// in its report, leading blank included: " W/m²K" for condensation, " W/m² K"
// for evaporation.
QString CoefficientUnit(bool evaporating);
// A number as the reports write it.
QString NumberText(double value);
// A typed value as the chart ticks write it: "1", "20", "0.25".
QString TickText(double value);

// "Laminar", "Wavy-laminar", "Turbulent", "Dry wall".
QString ZoneTitle(WallZone zone);
// "x_wl = 0.01371 m", "x_tur = 1.660 m".
QString TransitionTitle(const TransitionMark& mark);
QString DryOutTitle(double xDry);
QString AverageTitle(double h, bool evaporating);

// What the film is at one point, for the readout under the chart.
QString WallReadout(const ProfilePoint& point, bool evaporating);
QString TubeReadout(const TubeShare& tube);

// The results the chart shows, in a line or two above it.
QString WallSummary(const WallProfile& profile);
QString TubeSummary(const TubeProfile& profile);

}  // namespace dorix
