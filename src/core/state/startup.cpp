// SPDX-License-Identifier: MIT
#include "core/state/startup.h"

#include "core/props/property_file_locator.h"
#include "core/state/module1.h"

namespace dorix {

std::string StartUp() {
  SetStartupState();
  const LoadResult loaded = LoadFoundPropertyFile(Module1.Store);
  return loaded.ok ? std::string() : loaded.message;
}

}  // namespace dorix
