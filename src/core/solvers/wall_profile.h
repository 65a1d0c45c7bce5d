// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/solvers/condensing_wall.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/wall_film.h"

namespace dorix {

// What covers a stretch of the wall: a film under one of its laws, or, below
// the point where an evaporating film vanishes, nothing.
enum class WallZone { kLaminar, kWavyLaminar, kTurbulent, kDry };

// "laminar", "wavy-laminar", "turbulent", "dry".
std::string_view ZoneName(WallZone zone);

// The film at one position x down the wall.
struct ProfilePoint {
  double x = 0.0;   // distance from the top edge [m]
  double Re = 0.0;  // local film Reynolds number; 0 on a dry wall
  // Local coefficient Nu·KL/Lc [W/m² K]; none where it is infinite (the top
  // edge of a condensing film, where the film has no thickness) or the wall
  // is dry.
  std::optional<double> h;
  WallZone zone = WallZone::kLaminar;
};

struct ZoneSpan {
  WallZone zone = WallZone::kLaminar;
  double from = 0.0;
  double to = 0.0;
};

// Where the film changes from one law to the next: at x_wl it passes Re(wl),
// at x_tur Re(tur).
enum class Transition { kWavyLaminar, kTurbulent };

struct TransitionMark {
  Transition transition = Transition::kWavyLaminar;
  double x = 0.0;
};

// A film along a vertical wall from the top edge x = 0 to its end x = L.
struct WallProfile {
  bool evaporating = false;
  double L = 0.0;
  std::vector<ProfilePoint> points;         // in order of x; the last at x = L exactly
  std::vector<ZoneSpan> zones;              // down the wall, neighbours differ
  std::vector<TransitionMark> transitions;  // those between two zones on the wall
  std::optional<double> xDry;               // where an evaporating film vanishes
  // The report's end value and average coefficient; none when the film dries out.
  std::optional<double> ReL;
  std::optional<double> hAvg;
};

// Where a profile is sampled: `count` evenly spaced positions from 0 to L,
// both ends included, and with `breaks` also the position just above and the
// one at each zone boundary, so that a plot shows the jumps of h exactly.
struct ProfileGrid {
  int count = 401;
  bool breaks = true;
};

// The profiles of a solved wall, drawn from the very film whose end value the
// report gives: the point at x = L holds the report's Re_L.
WallProfile ProfileOf(const WallCondensationInput& in, const WallCondensationResult& result,
                      const ProfileGrid& grid);
WallProfile ProfileOf(const EvaporationInput& in, const EvaporationResult& result,
                      const ProfileGrid& grid);

}  // namespace dorix
