#include "core/calc/profile.h"

#include <vector>

#include "core/calc/calculation_run.h"

namespace dorix {

std::optional<Profile> ProfileWallCondensation(const WallCondensationFields& fields,
                                               MessageSink& messages, const ProfileGrid& grid) {
  std::vector<NamedValue> inputs;
  const std::optional<WallCondensationRun> run = RunWallCondensation(fields, messages, inputs);
  if (!run) return std::nullopt;
  return ProfileOf(run->input, run->result, grid);
}

std::optional<Profile> ProfileTubeCondensation(const TubeCondensationFields& fields,
                                               MessageSink& messages) {
  std::vector<NamedValue> inputs;
  const std::optional<TubeCondensationRun> run = RunTubeCondensation(fields, messages, inputs);
  if (!run) return std::nullopt;
  std::optional<TubeProfile> profile = ProfileOf(run->input, run->result);
  if (!profile) {
    messages.ShowMessage(TooManyTubesMessage());
    return std::nullopt;
  }
  return *profile;
}

std::optional<Profile> ProfileEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                          const ProfileGrid& grid) {
  std::vector<NamedValue> inputs;
  const std::optional<EvaporationRun> run = RunEvaporation(fields, messages, inputs);
  if (!run) return std::nullopt;
  return ProfileOf(run->input, run->result, grid);
}

}  // namespace dorix
