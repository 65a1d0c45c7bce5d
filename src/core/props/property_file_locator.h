#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/props/property_file.h"

namespace dorix {

// The places the property file is looked for, in order: the working
// directory, the folder of the running executable, the data folder of the
// installation the executable runs from, the configured installed data folder.
std::vector<std::filesystem::path> PropertyFileCandidates();

// The first candidate that exists, if any.
std::optional<std::filesystem::path> FindPropertyFile();

// Finds the property file and loads it into `store`; a message that lists the
// places looked in when there is none.
LoadResult LoadFoundPropertyFile(PropertyStore& store);

}  // namespace dorix
