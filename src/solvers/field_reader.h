#pragma once

#include <string_view>
#include <vector>

#include "app/message_sink.h"
#include "solvers/calculation.h"
#include "solvers/wall_film.h"

namespace dorix {

// An input field of a problem window: the name its value goes by in the
// command-line tool (snake_case; the option is the name with dashes) and the
// window's label text, by which messages name it.
struct FieldSpec {
  std::string_view name;
  std::string_view label;
};

inline constexpr FieldSpec kPressureField{"pressure", "Pressure [Pa]"};
inline constexpr FieldSpec kVaporTempField{"vapor_temp", "Vapor Temperature [K]"};
inline constexpr FieldSpec kWallTempField{"wall_temp", "Wall temperature [K]"};
inline constexpr FieldSpec kLengthField{"length", "Length of wall [m]"};
inline constexpr FieldSpec kTubeDiameterField{"tube_diameter", "Tube diameter [m]"};
inline constexpr FieldSpec kTubesField{"tubes", "Number of tubes [ ]"};
inline constexpr FieldSpec kSatTempField{"sat_temp", "Saturation temperature [K]"};
inline constexpr FieldSpec kFlowRateField{"flow_rate",
                                          "Initial mass flow rate per unit width (kg/m s)"};
inline constexpr FieldSpec kCoeffAField{"A", "Coefficient A"};
inline constexpr FieldSpec kCoeffnField{"n", "Coefficient n"};
inline constexpr FieldSpec kCoeffBField{"B", "Coefficient B"};
inline constexpr FieldSpec kCoeffmField{"m", "Coefficient m"};
inline constexpr FieldSpec kCoeffsField{"s", "Coefficient s"};
inline constexpr FieldSpec kCoeffCField{"C", "Coefficient C"};
inline constexpr FieldSpec kCoeffvField{"v", "Coefficient v"};
inline constexpr FieldSpec kCoeffDField{"D", "Coefficient D"};
inline constexpr FieldSpec kCoeffwField{"w", "Coefficient w"};

// Reads field texts one at a time, each into a single-precision value held
// in a double, and notes every value read among the outcome's inputs. The
// calculations need every value they read, so the first text that is not a
// number is reported, naming its field, and the run stops there.
class FieldReader {
 public:
  FieldReader(MessageSink& messages, std::vector<NamedValue>& inputs)
      : messages_(messages), inputs_(inputs) {}

  bool Read(const FieldSpec& field, std::string_view text, double& value);
  // Notes a field's value that was not read from its text.
  void Note(const FieldSpec& field, double value);
  // The coefficient panel, in the order A, n, B, m, s, C, v, D, w.
  bool ReadCoefficients(const CoefficientTexts& texts, WallCorrelations& k);

 private:
  MessageSink& messages_;
  std::vector<NamedValue>& inputs_;
};

}  // namespace dorix
