// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/calculation_run.h"

namespace dorix {

// Codes of the validity notes: stable, for scripts that read them.
inline constexpr std::string_view kWallBelowTriplePointNote = "wall-below-triple-point";
inline constexpr std::string_view kVaporDensityNote = "vapor-density";
inline constexpr std::string_view kCorrelationRangeNote = "correlation-range";
inline constexpr std::string_view kLiquidMetalNote = "liquid-metal";
inline constexpr std::string_view kFractionalTubesNote = "fractional-tubes";
inline constexpr std::string_view kLargeJakobNote = "large-jakob";

// The limits the notes hold a finished run against.
inline constexpr double kVaporDensityRatioLimit = 0.05;   // ρv/ρl the film model may neglect
inline constexpr double kLiquidMetalPrandtlLimit = 0.05;  // below: the hfg* weight has no basis
inline constexpr double kJakobLimit = 1.0;                // cpL·ΔT/hfg the hfg* correction spans

// The notes' texts in one line, "; " between them, as a table cell holds them.
std::string JoinedNoteTexts(const std::vector<ValidityNote>& notes);

// Appends the notes of a finished run, in a fixed order: where its inputs
// stretch the film model, each with the numbers involved and, where it can
// be estimated, the likely effect on h.
void AddValidityNotes(const WallCondensationRun& run, const WallCondensationFields& fields,
                      const RunContext& context, std::vector<ValidityNote>& notes);
void AddValidityNotes(const TubeCondensationRun& run, const TubeCondensationFields& fields,
                      const RunContext& context, std::vector<ValidityNote>& notes);
void AddValidityNotes(const EvaporationRun& run, const EvaporationFields& fields,
                      const RunContext& context, std::vector<ValidityNote>& notes);

}  // namespace dorix
