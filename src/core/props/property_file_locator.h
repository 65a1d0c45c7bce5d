// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/props/property_file.h"

namespace dorix {

// Where a program's own files are: its folder, and the installation's data
// folder seen from there.
struct ProgramPlace {
  std::filesystem::path folder;
  std::filesystem::path relativeDataDir;
};

// The running executable's place, none when it cannot be told.
std::optional<ProgramPlace> ExecutablePlace();

// The places the property file is looked for, in order: the working
// directory, the program's folder, the data folder of the installation the
// program runs from, the configured installed data folder. The program is
// the running executable unless another place is given (the Python module).
std::vector<std::filesystem::path> PropertyFileCandidates(
    const std::optional<ProgramPlace>& program = ExecutablePlace());

// The first candidate that exists, if any.
std::optional<std::filesystem::path> FindPropertyFile(
    const std::optional<ProgramPlace>& program = ExecutablePlace());

// Finds the property file and loads it into `store`; a message that lists the
// places looked in when there is none.
LoadResult LoadFoundPropertyFile(PropertyStore& store,
                                 const std::optional<ProgramPlace>& program = ExecutablePlace());

}  // namespace dorix
