// SPDX-License-Identifier: MIT
#include "core/state/module1.h"

namespace dorix {

Module1State Module1;

void SetStartupState() {
  Module1.FluidNo = 1;
  Module1.CrLf = "\r\n";
  Module1.Grav = kGrav;
}

}  // namespace dorix
