// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "core/calc/calculation_run.h"
#include "core/solvers/wall_film.h"
#include "core/units/quantity_text.h"

namespace dorix {

// An input field of a problem window: the name its value goes by in the
// command-line tool (snake_case; the option is the name with dashes) and the
// window's label text, by which messages name it, and what it measures,
// which decides the units its text may carry.
struct InputField {
  std::string_view name;
  std::string_view label;
  Quantity quantity = Quantity::kNone;
};

inline constexpr InputField kPressureField{"pressure", "Pressure [Pa]", Quantity::kPressure};
inline constexpr InputField kVaporTempField{"vapor_temp", "Vapor Temperature [K]",
                                            Quantity::kTemperature};
inline constexpr InputField kWallTempField{"wall_temp", "Wall temperature [K]",
                                           Quantity::kTemperature};
inline constexpr InputField kLengthField{"length", "Length of wall [m]", Quantity::kLength};
inline constexpr InputField kTubeDiameterField{"tube_diameter", "Tube diameter [m]",
                                               Quantity::kLength};
inline constexpr InputField kTubesField{"tubes", "Number of tubes [ ]"};
inline constexpr InputField kSatTempField{"sat_temp", "Saturation temperature [K]",
                                          Quantity::kTemperature};
inline constexpr InputField kFlowRateField{
    "flow_rate", "Initial mass flow rate per unit width (kg/m s)", Quantity::kMassFlowPerWidth};
inline constexpr InputField kCoeffAField{"A", "Coefficient A"};
inline constexpr InputField kCoeffnField{"n", "Coefficient n"};
inline constexpr InputField kCoeffBField{"B", "Coefficient B"};
inline constexpr InputField kCoeffmField{"m", "Coefficient m"};
inline constexpr InputField kCoeffsField{"s", "Coefficient s"};
inline constexpr InputField kCoeffCField{"C", "Coefficient C"};
inline constexpr InputField kCoeffvField{"v", "Coefficient v"};
inline constexpr InputField kCoeffDField{"D", "Coefficient D"};
inline constexpr InputField kCoeffwField{"w", "Coefficient w"};

// The value of a field's text in the field's SI unit, or the message naming
// the field that refuses the text.
FieldReading ReadField(const InputField& field, std::string_view text);

// Readings of field texts made once for many runs of the same texts: a
// sweep reads its fixed fields here, not once per point. Each run must pass
// the very texts these were read from.
class FieldReadings {
 public:
  void Add(const InputField& field, std::string_view text) {
    readings_.emplace_back(field.name, ReadField(field, text));
  }
  // The reading of the field `name`, or none. The search starts at `next`
  // and leaves it after the reading found: runs read their fields in the
  // order the readings were added, so most searches take one step.
  const FieldReading* Find(std::string_view name, std::size_t& next) const {
    for (std::size_t step = 0, i = next; step < readings_.size(); ++step, ++i) {
      if (i >= readings_.size()) i = 0;
      if (SameName(readings_[i].first, name)) {
        next = i + 1;
        return &readings_[i].second;
      }
    }
    return nullptr;
  }
  const FieldReading* Find(std::string_view name) const {
    std::size_t first = 0;
    return Find(name, first);
  }

 private:
  std::vector<std::pair<std::string_view, FieldReading>> readings_;
};

// Reads field texts one at a time, each into a single-precision value held
// in a double (or takes the context's prepared reading of the field), and
// notes every value read among the run's inputs. The calculations need every
// value they read, so the first text that is not a number refuses the run
// with a message naming its field.
class FieldReader {
 public:
  // A window has at most 13 fields: one allocation holds them all.
  static constexpr std::size_t kMostFields = 13;

  explicit FieldReader(RunContext& context) : context_(context) {
    context_.inputs.reserve(kMostFields);
  }

  bool Read(const InputField& field, std::string_view text, double& value);
  // Notes a field's value that was not read from its text.
  void Note(const InputField& field, double value);
  // The coefficient panel, in the order A, n, B, m, s, C, v, D, w.
  bool ReadCoefficients(const CoefficientTexts& texts, WallCorrelations& k);

 private:
  RunContext& context_;
  std::size_t nextReading_ = 0;  // where the search of the prepared readings starts
};

}  // namespace dorix
