// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/solvers/condensing_wall.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/tube_row.h"

namespace dorix {

// One run's working state: the store and fluid it reads, the slots it fills,
// the values it read, and the message that refused it.
struct RunContext {
  RunContext(const CalculationSetup& setup, PropertySlots& propertySlots,
             std::vector<NamedValue>& inputs)
      : store(*setup.store),
        fluid(setup.fluid),
        grav(setup.grav),
        readings(setup.readings),
        propertySlots(propertySlots),
        inputs(inputs) {}

  const PropertyStore& store;
  int fluid;
  double grav;
  const FieldReadings* readings;  // prepared readings of some fields, or none
  PropertySlots& propertySlots;
  std::vector<NamedValue>& inputs;
  std::string refusal;

  // Every refusal goes through here: the run stops with this message.
  template <typename Run>
  std::optional<Run> Refuse(std::string message) {
    refusal = std::move(message);
    return std::nullopt;
  }
  // LookUpInto on the run's own slots.
  void LookUp(int code, double x, double& result) {
    LookUpInto(store, fluid, code, x, result, propertySlots.OutOfRange);
  }
};

// A run of a window's calculation that passed every check: the record it read
// and looked up, and its solution. Calculate writes the record of a run; the
// profiles draw the same run along the wall or the row.
struct WallCondensationRun {
  double P = 0.0;     // pressure as read [Pa]
  double rhoV = 0.0;  // saturated vapour density, where the film counts it [kg/m³]
  WallCondensationInput input;
  WallCondensationResult result;
};

struct TubeCondensationRun {
  double P = 0.0;     // pressure as read [Pa]
  double rhoV = 0.0;  // saturated vapour density, where the film counts it [kg/m³]
  TubeCondensationInput input;
  TubeCondensationResult result;
};

struct EvaporationRun {
  double rhoV = 0.0;  // saturated vapour density, where the film counts it [kg/m³]
  EvaporationInput input;
  EvaporationResult result;  // a dry-out is a run, not a refusal
};

// Each reads the fields in the window's order, checks them with the window's
// messages, fills the context's slots and solves. None, with the context's
// refusal set, when a check refused the run.
std::optional<WallCondensationRun> RunWallCondensation(const WallCondensationFields& fields,
                                                       RunContext& context);
std::optional<TubeCondensationRun> RunTubeCondensation(const TubeCondensationFields& fields,
                                                       RunContext& context);
std::optional<EvaporationRun> RunEvaporation(const EvaporationFields& fields, RunContext& context);

}  // namespace dorix
