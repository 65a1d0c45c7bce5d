#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/props/property_store.h"

namespace dorix {

// The shared state that every window, the property library and the solvers
// read and write directly. One user-interface thread: no locking.
struct Module1State {
  std::string CrLf = "\r\n";
  int FluidNo = 1;  // 1 water, 2 ammonia, 3 nitrogen, 4 mercury, 5 R-22, 6 R-134a
  double Tsat = 0.0;
  double TvRef = 0.0;
  double RhoL = 0.0;
  double MuL = 0.0;
  double KL = 0.0;
  double PrL = 0.0;
  double Hfg = 0.0;
  double CpV = 0.0;
  double TlRef = 0.0;
  int OutOfRange = 0;
  double Grav = 9.8065;  // deliberately not the standard 9.80665

  // The curve store, and the working curve that SelectTable copies a curve into.
  PropertyStore Store;
  std::array<float, kMaxPoints + 1> TabX{};
  std::array<float, kMaxPoints + 1> TabY{};
  std::int16_t TabN = 0;
};

extern Module1State Module1;

// The start-up values of the shared constants, set before the data is loaded.
void SetStartupState();

}  // namespace dorix
