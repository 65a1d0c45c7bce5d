#pragma once

#include <string>
#include <vector>

#include "core/state/message_sink.h"

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
};

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
};

// The texts of the film-condensation-on-horizontal-tubes window's fields.
struct TubeCondensationFields {
  std::string pressure = "101325";
  std::string vaporTemp = "400";
  std::string wallTemp = "300";
  std::string tubeDiameter = "0.1";
  std::string numberOfTubes = "5.0";
  int tempTypeIndex = kTypedVaporTemperature;
};

// The texts of the falling-film-evaporation window's fields.
struct EvaporationFields {
  std::string satTemp = "300";
  std::string wallTemp = "400";
  std::string length = "1.0";
  std::string flowRate = "1.0";
  CoefficientTexts coefficients;
};

// A named number of a calculation, for the command-line tool's JSON and CSV.
// `at` is the temperature a property was evaluated at, or for the saturation
// temperature the pressure it was looked up at (0 where none applies).
struct NamedValue {
  std::string name;
  double value = 0.0;
  double at = 0.0;
};

// What one press of Calculate produced.
struct CalculationOutcome {
  enum class Status {
    kReport,   // a complete report
    kDryOut,   // the evaporating film dries out: properties only, no results
    kRefused,  // a message was shown; the previous report stays
  };
  Status status = Status::kRefused;
  std::string report;              // the output box's new text, unless refused
  std::vector<NamedValue> inputs;  // field values as read (single precision)
  std::vector<NamedValue> properties;
  std::vector<NamedValue> results;
};

// The Calculate routine of each problem window: reads the field texts in the
// window's order, checks them with the window's messages (shown through
// `messages`), fills the shared slots and writes the report. A refused run
// leaves no report; the caller keeps its previous one.
CalculationOutcome CalculateWallCondensation(const WallCondensationFields& fields,
                                             MessageSink& messages);
CalculationOutcome CalculateTubeCondensation(const TubeCondensationFields& fields,
                                             MessageSink& messages);
CalculationOutcome CalculateEvaporation(const EvaporationFields& fields, MessageSink& messages);

}  // namespace dorix
