// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/sweep/study.h"

namespace dorix {

// The texts of the study window. Every number in them is written as the
// reports write it.

// A result on its check box: "Re", "h", "Condensation rate".
QString ResultCaption(std::string_view result);
// A result's axis, with its unit: "Average heat transfer coefficient h [W/m² K]".
QString ResultAxisTitle(const Problem& problem, std::string_view result);
// A field of the problem as its window labels it: "Wall temperature [K]".
QString FieldTitle(const Problem& problem, std::string_view field);
// A column of the study table, with its unit: "Wall temperature [K]",
// "h [W/m² K]", "Message".
QString ColumnTitle(const Problem& problem, std::string_view column);
// What the fields set besides numbers: "Preset: default", "Preset: Custom",
// "Row factor: Kern N⁻¹ᐟ⁶".
QString SettingTitle(const ProblemFields& fields);
// The difference from saturation as the problem's study offers it:
// "Tsat − Tw [K]" for condensation, "Tw − Tsat [K]" for evaporation.
QString DifferenceTitle(const Problem& problem);
// What a study sweeps: "Wall temperature [K]", or the difference from
// saturation.
QString SweptTitle(const Study& study);
// A fluid in a study's legend, with its saturation temperature where the
// study compares fluids at one reduced pressure: "NH3 (Tsat = 239.8 K)".
QString CurveTitle(const StudyCurve& curve);
// A fluid in legends and readouts: "H2O".
QString FluidTitle(int fluid);

// A fluid that has no point to draw, with the reason most of its points
// give, for a legend (rich text, the reason in lines under the name):
// "NH3: no curve<br>(Wall temp. should be lower than Saturation temp.)".
QString NoCurveTitle(const StudyCurve& curve);

// What the study gives at point number `index` of its range, fluid by
// fluid, for the results numbered `results` (columns after the inputs).
QString StudyReadout(const Study& study, std::size_t index,
                     const std::vector<std::size_t>& results);

}  // namespace dorix
