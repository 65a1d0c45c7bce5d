// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/calc/calculation.h"
#include "core/props/property_slots.h"
#include "core/props/property_store.h"

namespace dorix {

// The windows' shared state: the selected fluid, the constants, the property
// slots of the last calculation (the base) and the curve store. The windows
// read and write it directly from their one thread; the core's calculations
// never touch it, they get a store, a fluid and slots of their own (see
// shared_calculation.h for the windows' way in).
struct Module1State : PropertySlots {
  std::string CrLf = "\r\n";
  int FluidNo = 1;  // 1 water, 2 ammonia, 3 nitrogen, 4 mercury, 5 R-22, 6 R-134a, 7.. kFluids
  double Grav = kGrav;
  PropertyStore Store;
};

extern Module1State Module1;

// The start-up values of the shared constants, set before the data is loaded.
void SetStartupState();

}  // namespace dorix
