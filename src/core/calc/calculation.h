// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/props/property_slots.h"
#include "core/props/property_store.h"
#include "core/solvers/tube_row.h"

namespace dorix {

// The correlation coefficients of the vertical-wall windows, as typed, with
// the windows' default texts.
struct CoefficientTexts {
  std::string C = "30";
  std::string v = "0";
  std::string D = "5800";
  std::string w = "-1.06";
  std::string A = "0.822";
  std::string n = "-0.22";
  std::string B = "0.0038";
  std::string m = "0.4";
  std::string s = "0.65";

  bool operator==(const CoefficientTexts&) const = default;
};

// Whether the film's buoyancy counts the vapour's density: neglected, as the
// classic film model has it, or included as g·(1 − ρv/ρl), ρv the saturated
// vapour at Tsat, in every regime and for the tube row.
enum class VaporDensity { kNeglected, kIncluded };

// Selector entries of the condensation windows' vapour-temperature choice.
inline constexpr int kTypedVaporTemperature = 0;
inline constexpr int kSaturationVaporTemperature = 1;
inline constexpr int kNoEntrySelected = -1;

// The texts of the film-condensation-on-a-vertical-wall window's fields.
struct WallCondensationFields {
  std::string pressure = "101325";
  std::string vaporTemp = "400";
  std::string wallTemp = "300";
  std::string length = "1.0";
  CoefficientTexts coefficients;
  int tempTypeIndex = kTypedVaporTemperature;
  VaporDensity vaporDensity = VaporDensity::kNeglected;

  bool operator==(const WallCondensationFields&) const = default;
};

// The texts of the film-condensation-on-horizontal-tubes window's fields.
struct TubeCondensationFields {
  std::string pressure = "101325";
  std::string vaporTemp = "400";
  std::string wallTemp = "300";
  std::string tubeDiameter = "0.1";
  std::string numberOfTubes = "5.0";
  int tempTypeIndex = kTypedVaporTemperature;
  RowFactor rowFactor = RowFactor::kNusselt;
  VaporDensity vaporDensity = VaporDensity::kNeglected;

  bool operator==(const TubeCondensationFields&) const = default;
};

// The texts of the falling-film-evaporation window's fields.
struct EvaporationFields {
  std::string satTemp = "300";
  std::string wallTemp = "400";
  std::string length = "1.0";
  std::string flowRate = "1.0";
  CoefficientTexts coefficients;
  VaporDensity vaporDensity = VaporDensity::kNeglected;

  bool operator==(const EvaporationFields&) const = default;
};

// Gravity as the calculations use it: deliberately 9.8065, not the standard 9.80665.
inline constexpr double kGrav = 9.8065;

// The three problems of the menu.
enum class ProblemKind { kWallCondensation, kTubeCondensation, kWallEvaporation };

// A named number of a calculation, for reports, JSON, CSV and Python. `at` is
// the temperature a property was evaluated at, or for the saturation
// temperature the pressure it was looked up at (0 where none applies). Names
// are the static snake_case names of the fields, properties and results.
struct NamedValue {
  std::string_view name;
  double value = 0.0;
  double at = 0.0;
};

// Whether two of those names are the same. Most are the very same static
// string, checked first: a sweep compares millions of them.
inline bool SameName(std::string_view a, std::string_view b) {
  return (a.data() == b.data() && a.size() == b.size()) || a == b;
}

class FieldReadings;

// What a calculation works with besides its field texts: the curve store, the
// fluid, gravity, the property slots as they stand before the run (the
// windows pass their shared slots; a slot whose lookup fails keeps its value)
// and, for the many runs of a sweep, readings of the texts that stay the same.
struct CalculationSetup {
  const PropertyStore* store = nullptr;
  int fluid = 1;
  double grav = kGrav;
  PropertySlots propertySlots;
  const FieldReadings* readings = nullptr;
};

// A word on a result that stretches the model behind it: a stable code
// ("vapor-density") and a one-line text with the numbers involved. Never
// part of a report.
struct ValidityNote {
  std::string_view code;
  std::string text;

  bool operator==(const ValidityNote&) const = default;
};

// The record of one calculation: everything its report shows, or the message
// that refused it. Reports are built from it (report.h).
struct CalculationOutcome {
  enum class Status {
    kReport,   // a complete report
    kDryOut,   // the evaporating film dries out: properties only, no results
    kRefused,  // `message` says why; a window keeps its previous report
  };
  ProblemKind problem = ProblemKind::kWallCondensation;
  Status status = Status::kRefused;
  std::string message;             // the "*** ERROR: " text of a refused run
  std::vector<NamedValue> inputs;  // field values as read (single precision)
  std::vector<NamedValue> properties;
  std::vector<NamedValue> results;
  PropertySlots propertySlots;                // the slots as the run left them, refused or not
  RowFactor rowFactor = RowFactor::kNusselt;  // the tube row's, as the run used it
  VaporDensity vaporDensity = VaporDensity::kNeglected;  // as the run used it
  std::vector<ValidityNote> notes;                       // where a finished run stretches its model
};

// The Calculate routine of each problem window, on its own: reads the field
// texts in the window's order, checks them with the window's messages, looks
// the properties up and solves. Touches no shared state: safe to run on many
// threads at once with one store.
CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             const CalculationSetup& setup);
CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             const CalculationSetup& setup);
CalculationOutcome CalculateEvaporation(const EvaporationFields& fields,
                                        const CalculationSetup& setup);

}  // namespace dorix
