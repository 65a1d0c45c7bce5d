#pragma once

#include <optional>
#include <vector>

#include "core/calc/calculation.h"
#include "core/solvers/condensing_wall.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/tube_row.h"
#include "core/state/message_sink.h"

namespace dorix {

// A run of a window's calculation that passed every check: the record it read
// and looked up, and its solution. Calculate writes the report of a run; the
// profiles draw the same run along the wall or the row.
struct WallCondensationRun {
  double P = 0.0;  // pressure as read [Pa]
  WallCondensationInput input;
  WallCondensationResult result;
};

struct TubeCondensationRun {
  double P = 0.0;  // pressure as read [Pa]
  TubeCondensationInput input;
  TubeCondensationResult result;
};

struct EvaporationRun {
  EvaporationInput input;
  EvaporationResult result;  // a dry-out is a run, not a refusal
};

// Each reads the fields in the window's order, checks them with the window's
// messages (shown through `messages`), fills the shared slots and solves.
// None when a message refused the run. `inputs` receives every value read.
std::optional<WallCondensationRun> RunWallCondensation(const WallCondensationFields& fields,
                                                       MessageSink& messages,
                                                       std::vector<NamedValue>& inputs);
std::optional<TubeCondensationRun> RunTubeCondensation(const TubeCondensationFields& fields,
                                                       MessageSink& messages,
                                                       std::vector<NamedValue>& inputs);
std::optional<EvaporationRun> RunEvaporation(const EvaporationFields& fields, MessageSink& messages,
                                             std::vector<NamedValue>& inputs);

}  // namespace dorix
