// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "core/props/property_file_locator.h"

namespace dorix::python {

// A loaded property store, or the message that says why there is none.
struct StoreLookup {
  std::shared_ptr<const PropertyStore> store;
  std::string message;
};

// The store of the property file at `path`, or, for an empty path, of the
// file dorix-calc would find, looked for from `module`'s place. Each file is
// loaded once and kept for every later call. Callers hold Python's
// interpreter lock, which guards the cache.
StoreLookup CachedStore(const std::string& path, const ProgramPlace& module);

}  // namespace dorix::python
