// SPDX-License-Identifier: MIT
#include "core/solvers/wall_profile.h"

#include <algorithm>
#include <cmath>

namespace dorix {

namespace {

WallZone ZoneOf(FilmRegime regime) {
  switch (regime) {
    case FilmRegime::kLaminar:
      return WallZone::kLaminar;
    case FilmRegime::kWavyLaminar:
      return WallZone::kWavyLaminar;
    case FilmRegime::kTurbulent:
      return WallZone::kTurbulent;
  }
  return WallZone::kLaminar;
}

// A solved wall as the sampler sees it, whichever way its film runs.
template <typename Film>
struct SolvedWall {
  const Film& film;
  const WallCorrelations& k;
  double PrL;
  double KL;
  double Lc;
  double L;
  std::optional<double> xDry;
};

template <typename Film>
std::optional<ProfilePoint> PointAt(const SolvedWall<Film>& wall, double x) {
  if (wall.xDry && x >= *wall.xDry) return ProfilePoint{x, 0.0, std::nullopt, WallZone::kDry};
  const std::optional<double> Re = wall.film.ReynoldsAt(x);
  if (!Re || !std::isfinite(*Re)) return std::nullopt;
  const FilmRegime regime = wall.film.RegimeAt(x);
  ProfilePoint point{x, *Re, std::nullopt, ZoneOf(regime)};
  const double h = wall.KL * FilmNusselt(wall.k, wall.PrL, regime, *Re) / wall.Lc;
  if (std::isfinite(h)) point.h = h;
  return point;
}

// The film's stretches between the transitions that lie on the wetted wall,
// neighbours of one law merged, then the dry wall below a dry-out.
template <typename Film>
std::vector<ZoneSpan> ZonesOf(const SolvedWall<Film>& wall) {
  const double end = wall.xDry.value_or(wall.L);
  std::vector<double> cuts;
  for (const double x : {wall.film.xWl(), wall.film.xTur()}) {
    if (x > 0 && x < end) cuts.push_back(x);
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.insert(cuts.begin(), 0.0);
  cuts.push_back(end);
  std::vector<ZoneSpan> zones;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double from = cuts[i];
    const double to = cuts[i + 1];
    if (!(to > from)) continue;
    const WallZone zone = ZoneOf(wall.film.RegimeAt(from));
    if (!zones.empty() && zones.back().zone == zone) {
      zones.back().to = to;
    } else {
      zones.push_back({zone, from, to});
    }
  }
  if (wall.xDry && *wall.xDry < wall.L) zones.push_back({WallZone::kDry, *wall.xDry, wall.L});
  return zones;
}

template <typename Film>
std::vector<TransitionMark> TransitionsOf(const SolvedWall<Film>& wall,
                                          const std::vector<ZoneSpan>& zones) {
  std::vector<TransitionMark> marks;
  for (std::size_t i = 1; i < zones.size(); ++i) {
    if (zones[i].zone == WallZone::kDry) continue;
    const double x = zones[i].from;
    if (x == wall.film.xWl()) marks.push_back({Transition::kWavyLaminar, x});
    if (x == wall.film.xTur()) marks.push_back({Transition::kTurbulent, x});
  }
  return marks;
}

std::vector<double> PositionsOf(double L, const ProfileGrid& grid,
                                const std::vector<ZoneSpan>& zones) {
  const int count = std::max(grid.count, 2);
  std::vector<double> xs;
  xs.reserve(static_cast<std::size_t>(count) + 2 * zones.size());
  for (int i = 0; i + 1 < count; ++i) xs.push_back(L * i / (count - 1));
  // Exactly L, so that the last point is the report's end of the wall.
  xs.push_back(L);
  if (grid.breaks) {
    for (std::size_t i = 1; i < zones.size(); ++i) {
      xs.push_back(std::nextafter(zones[i].from, 0.0));
      xs.push_back(zones[i].from);
    }
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  return xs;
}

template <typename Film>
WallProfile Sample(const SolvedWall<Film>& wall, const ProfileGrid& grid) {
  WallProfile profile;
  profile.L = wall.L;
  profile.xDry = wall.xDry;
  profile.zones = ZonesOf(wall);
  profile.transitions = TransitionsOf(wall, profile.zones);
  for (const double x : PositionsOf(wall.L, grid, profile.zones)) {
    if (const std::optional<ProfilePoint> point = PointAt(wall, x))
      profile.points.push_back(*point);
  }
  return profile;
}

}  // namespace

std::string_view ZoneName(WallZone zone) {
  switch (zone) {
    case WallZone::kLaminar:
      return "laminar";
    case WallZone::kWavyLaminar:
      return "wavy-laminar";
    case WallZone::kTurbulent:
      return "turbulent";
    case WallZone::kDry:
      return "dry";
  }
  return "";
}

WallProfile ProfileOf(const WallCondensationInput& in, const WallCondensationResult& result,
                      const ProfileGrid& grid) {
  const CondensingWall wall = SetUpCondensingWall(in);
  WallProfile profile =
      Sample(SolvedWall<CondensingFilm>{wall.film, in.coefficients, in.film.PrL, in.film.KL,
                                        wall.scales.Lc, in.L, std::nullopt},
             grid);
  profile.ReL = result.ReL;
  profile.hAvg = result.h;
  return profile;
}

WallProfile ProfileOf(const EvaporationInput& in, const EvaporationResult& result,
                      const ProfileGrid& grid) {
  const EvaporatingWall wall = SetUpEvaporatingWall(in);
  std::optional<double> xDry;
  // The report decides whether the film dries out; the closed form places it
  // (on the wall even where rounding would put it past the end).
  if (result.dryOut) {
    const double x = wall.film.DryOutPoint().value_or(in.L);
    xDry = std::isfinite(x) ? std::clamp(x, 0.0, in.L) : in.L;
  }
  WallProfile profile = Sample(SolvedWall<EvaporatingFilm>{wall.film, in.coefficients, in.film.PrL,
                                                           in.film.KL, wall.scales.Lc, in.L, xDry},
                               grid);
  profile.evaporating = true;
  if (!result.dryOut) {
    profile.ReL = result.ReL;
    profile.hAvg = result.hAvg;
  }
  return profile;
}

}  // namespace dorix
