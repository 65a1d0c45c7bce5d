// SPDX-License-Identifier: MIT
#include "core/calc/profile_csv.h"

#include "core/text/round_trip_text.h"

namespace dorix {

namespace {

std::string WallCsv(const WallProfile& profile) {
  std::string csv = "x,reynolds_number,heat_transfer_coefficient,regime\n";
  for (const ProfilePoint& point : profile.points) {
    csv += RoundTripText(point.x) + ',' + RoundTripText(point.Re) + ',';
    if (point.h) csv += RoundTripText(*point.h);
    csv += ',';
    csv += ZoneName(point.zone);
    csv += '\n';
  }
  return csv;
}

std::string TubeCsv(const TubeProfile& profile) {
  std::string csv = "tube,portion,heat_transfer_coefficient,condensation_rate,reynolds_number\n";
  for (const TubeShare& tube : profile.tubes) {
    csv += std::to_string(tube.tube) + ',' + RoundTripText(tube.portion) + ',' +
           RoundTripText(tube.h) + ',' + RoundTripText(tube.m) + ',' + RoundTripText(tube.Re) +
           '\n';
  }
  return csv;
}

}  // namespace

std::string ProfileCsv(const Profile& profile) {
  if (const auto* wall = std::get_if<WallProfile>(&profile)) return WallCsv(*wall);
  return TubeCsv(std::get<TubeProfile>(profile));
}

}  // namespace dorix
