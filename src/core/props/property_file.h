// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/props/property_store.h"

namespace dorix {

inline constexpr const char* kPropertyFileName = "BoilProp.dat";

// Outcome of reading or checking a property file: on failure, one message
// that names the file and, where it applies, the line and the curve.
struct LoadResult {
  bool ok = true;
  std::string message;

  static LoadResult Failure(std::string text) { return {false, std::move(text)}; }
};

// Reads curve records from property-file text into `store`, slot after slot in
// file order. `fileLabel` names the file in messages.
LoadResult ParsePropertyText(std::string_view text, const std::string& fileLabel,
                             PropertyStore& store);

// Checks that every curve the program looks up is present (its first record)
// with at least 4 points, strictly increasing abscissae and finite values.
LoadResult CheckRequiredCurves(const PropertyStore& store, const std::string& fileLabel);

// Reads, parses and checks one file. The store is left empty on failure.
LoadResult LoadPropertyFile(const std::filesystem::path& path, PropertyStore& store);

}  // namespace dorix
