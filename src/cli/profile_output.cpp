// SPDX-License-Identifier: MIT
#include "cli/profile_output.h"

#include <CLI/CLI.hpp>
#include <variant>

#include "cli/output.h"
#include "cli/run_calc.h"
#include "core/calc/profile_csv.h"

namespace dorix::cli {

namespace {

constexpr const char* kProfileHelp =
    "--profile COUNT prints the film as CSV instead of the report: x (m from the top\n"
    "edge), reynolds_number, heat_transfer_coefficient (W/m2 K; empty at a condensing\n"
    "film's top edge, where it is unbounded, and on a dry wall) and regime (laminar,\n"
    "wavy-laminar, turbulent or dry) at COUNT evenly spaced points from 0 to the wall's\n"
    "length, at full double precision; the last row is the report's end of the wall.\n"
    "tube-condensation prints one row per tube from the top instead, whatever COUNT:\n"
    "tube, portion (1, or the part tube that ends a fractional row),\n"
    "heat_transfer_coefficient and condensation_rate of that tube, and the\n"
    "reynolds_number of the condensate leaving it. Example: dorix-calc evw --profile 200";

ProfileOutcome ProfileOf(const ProblemFields& fields, const CalculationSetup& setup, long count) {
  const ProfileGrid grid{static_cast<int>(count), false};
  if (const auto* wall = std::get_if<WallCondensationFields>(&fields)) {
    return ProfileWallCondensation(*wall, setup, grid);
  }
  if (const auto* tubes = std::get_if<TubeCondensationFields>(&fields)) {
    return ProfileTubeCondensation(*tubes, setup);
  }
  return ProfileEvaporation(std::get<EvaporationFields>(fields), setup, grid);
}

}  // namespace

void AddProfileOption(CLI::App& command, long& count) {
  command
      .add_option("--profile", count,
                  "CSV of the film along the wall at COUNT points: x, reynolds_number, "
                  "heat_transfer_coefficient, regime (tube-condensation: one row per tube)")
      ->type_name("COUNT")
      ->check(CLI::Range(2L, kMostProfilePoints))
      ->group("Output");
  command.footer(command.get_footer() + "\n" + kProfileHelp);
}

std::string ProfileConflict(bool sweep, const std::string& format) {
  if (sweep) return "--profile and --sweep cannot go together.";
  if (format != "text") return "--profile always writes CSV.";
  return {};
}

int PrintProfile(const ProblemFields& fields, const CalculationSetup& setup, long count,
                 std::ostream& out, std::ostream& err) {
  const ProfileOutcome outcome = ProfileOf(fields, setup, count);
  const std::optional<Profile>& profile = outcome.profile;
  if (!profile) {
    err << outcome.message << '\n';
    return kExitRefused;
  }
  if (const auto* wall = std::get_if<WallProfile>(&*profile); wall != nullptr && wall->xDry) {
    err << "dorix-calc: note: the film dries out at x = " << NumberText(*wall->xDry)
        << " m; the wall below is dry.\n";
  }
  out << ProfileCsv(*profile);
  return kExitSuccess;
}

}  // namespace dorix::cli
