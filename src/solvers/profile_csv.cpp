#include "solvers/profile_csv.h"

#include <charconv>

namespace dorix {

namespace {

std::string Number(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string WallCsv(const WallProfile& profile) {
  std::string csv = "x,reynolds_number,heat_transfer_coefficient,regime\n";
  for (const ProfilePoint& point : profile.points) {
    csv += Number(point.x) + ',' + Number(point.Re) + ',';
    if (point.h) csv += Number(*point.h);
    csv += ',';
    csv += ZoneName(point.zone);
    csv += '\n';
  }
  return csv;
}

std::string TubeCsv(const TubeProfile& profile) {
  std::string csv = "tube,portion,heat_transfer_coefficient,condensation_rate,reynolds_number\n";
  for (const TubeShare& tube : profile.tubes) {
    csv += std::to_string(tube.tube) + ',' + Number(tube.portion) + ',' + Number(tube.h) + ',' +
           Number(tube.m) + ',' + Number(tube.Re) + '\n';
  }
  return csv;
}

}  // namespace

std::string ProfileCsv(const Profile& profile) {
  if (const auto* wall = std::get_if<WallProfile>(&profile)) return WallCsv(*wall);
  return TubeCsv(std::get<TubeProfile>(profile));
}

}  // namespace dorix
