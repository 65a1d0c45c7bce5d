// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/calc/profile.h"

namespace dorix {

// A profile as CSV: a header line, then one line per point or tube, LF line
// ends. Numbers are written at full precision, as the shortest text that
// reads back as the same double: a data export feeds other programs, which
// should get the values drawn, not the four digits of a report.
//
// Along a wall:  x,reynolds_number,heat_transfer_coefficient,regime
//   x in m from the top edge, h in W/m² K; regime is laminar, wavy-laminar,
//   turbulent or dry; h is empty where it is infinite (the top edge of a
//   condensing film) or the wall is dry (Re 0).
// A tube row:    tube,portion,heat_transfer_coefficient,condensation_rate,reynolds_number
//   one line per tube from the top; portion is 1 except for the part tube
//   that ends a fractional row; condensation_rate in kg/m s is the tube's
//   own; reynolds_number is that of the condensate leaving the tube.
std::string ProfileCsv(const Profile& profile);

}  // namespace dorix
