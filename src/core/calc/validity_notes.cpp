// SPDX-License-Identifier: MIT
#include "core/calc/validity_notes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calc/correlation_presets.h"
#include "core/fluids/fluid.h"
#include "core/props/saturated_vapor.h"
#include "core/solvers/film_reference.h"
#include "core/text/format_value.h"
#include "core/text/round_trip_text.h"

namespace dorix {

namespace {

// A computed value as the reports write it.
std::string Number(double value) {
  return FormatValue(value);
}

// A limit as it is written in the code: "0.05", "21000".
std::string Limit(double value) {
  return RoundTripText(value);
}

std::string FluidName(int fluid) {
  const Fluid* f = FindFluid(fluid);
  return f ? std::string(f->displayName) : "the fluid";
}

// What every film problem shares for its notes: the run's looked-up slots
// and what the solver made of them.
struct Film {
  int fluid = 1;
  double Tw = 0.0;
  const PropertySlots& slots;
  double hfgStar = 0.0;
  bool evaporating = false;
  bool vaporDensityIncluded = false;
};

void TriplePointNote(const Film& film, std::vector<ValidityNote>& notes) {
  const Fluid* fluid = FindFluid(film.fluid);
  if (!fluid || !fluid->triplePoint) return;
  // The coldest liquid of the film: the wall when it condenses, the
  // saturated surface when it evaporates.
  const double coldest = std::min({film.Tw, film.slots.Tsat, film.slots.TlRef});
  if (!(coldest < *fluid->triplePoint)) return;
  const bool wall = coldest == film.Tw;
  notes.push_back(
      {kWallBelowTriplePointNote,
       (wall ? "The wall at " : "The film at ") + Number(coldest) +
           " K lies below the triple point of " + FluidName(film.fluid) + ", " +
           Number(*fluid->triplePoint) +
           " K: the condensate would freeze, which the film model does not allow for."});
}

void VaporDensityNote(const Film& film, const PropertyStore& store,
                      std::vector<ValidityNote>& notes) {
  if (film.vaporDensityIncluded) return;
  const auto rhoV = SaturatedVaporDensity(store, film.fluid, film.slots.Tsat);
  if (!rhoV || !(film.slots.RhoL > 0)) return;
  const double ratio = *rhoV / film.slots.RhoL;
  if (!(ratio > kVaporDensityRatioLimit)) return;
  const double overstated = 1 - std::pow(std::max(0.0, 1 - ratio), 0.25);
  notes.push_back(
      {kVaporDensityNote, "\u03C1v/\u03C1l = " + Number(ratio) + " (\u03C1v " + Number(*rhoV) +
                              " kg/m\u00B3 at Tsat " + Number(film.slots.Tsat) + " K) is above " +
                              Limit(kVaporDensityRatioLimit) +
                              ": the film model neglects the vapour density, so h is overstated by "
                              "about " +
                              Number(100 * overstated) +
                              " % (laminar film); include the vapour density to account for it."});
}

void LiquidMetalNote(const Film& film, std::vector<ValidityNote>& notes) {
  const Fluid* fluid = FindFluid(film.fluid);
  if ((fluid && fluid->fixedSubcoolingWeight) || !(film.slots.PrL < kLiquidMetalPrandtlLimit))
    return;
  std::string text = "PrL " + Number(film.slots.PrL) + " is below " +
                     Limit(kLiquidMetalPrandtlLimit) +
                     ", outside the basis of the latent-heat weight 0.683 \u2212 0.228/PrL, here " +
                     Number(SubcoolingWeight(film.fluid, film.slots.PrL));
  if (film.hfgStar > 0 && film.hfgStar < film.slots.Hfg) {
    text += ": hfg* is " + Number(film.hfgStar / film.slots.Hfg) + " of hfg, so the " +
            (film.evaporating ? "evaporation" : "condensation") + " rate carries " +
            Number(film.slots.Hfg / film.hfgStar) + " times the heat the wall passes.";
  } else {
    text += ".";
  }
  notes.push_back({kLiquidMetalNote, std::move(text)});
}

void JakobNote(const Film& film, std::vector<ValidityNote>& notes) {
  const double ja =
      LiquidSpecificHeat(film.slots) * std::abs(film.slots.Tsat - film.Tw) / film.slots.Hfg;
  if (!(ja > kJakobLimit)) return;
  notes.push_back({kLargeJakobNote, "Ja = cpL\u00B7|Tsat \u2212 Tw|/hfg = " + Number(ja) +
                                        " is above " + Limit(kJakobLimit) +
                                        ": the film's sensible heat outweighs its latent heat, "
                                        "beyond the subcooling the hfg* correction was made for."});
}

void FilmNotes(const Film& film, const PropertyStore& store, std::vector<ValidityNote>& notes) {
  TriplePointNote(film, notes);
  VaporDensityNote(film, store, notes);
  LiquidMetalNote(film, notes);
  JakobNote(film, notes);
}

// Where the film's Reynolds numbers (from `reLow` to `reHigh`) or its Prandtl
// number leave the films the coefficients' preset was fitted to. Coefficients
// of no preset carry no such range.
void CorrelationRangeNote(const CoefficientTexts& coefficients, double reLow, double reHigh,
                          double PrL, std::vector<ValidityNote>& notes) {
  const CorrelationPreset* preset = PresetOf(coefficients);
  if (!preset) return;
  const FittedRange& range = preset->fitted;
  const auto outside = [](double value, double low, double high) {
    return value < low || value > high;
  };
  const auto bounds = [](double low, double high) {
    if (std::isinf(high)) return Limit(low) + " and above";
    if (low == 0) return "up to " + Limit(high);
    return Limit(low) + " to " + Limit(high);
  };
  // Texts only for a note that is made: most points of a sweep have none.
  const auto note = [&](const std::string& value, const std::string& fitted) {
    notes.push_back({kCorrelationRangeNote, value + " lies outside the films the " +
                                                std::string(preset->name) + " coefficients (" +
                                                std::string(preset->source) + ") were fitted to, " +
                                                fitted + ": the result is an extrapolation."});
  };
  if (outside(reLow, range.reynoldsLow, range.reynoldsHigh) ||
      outside(reHigh, range.reynoldsLow, range.reynoldsHigh)) {
    const double re = outside(reHigh, range.reynoldsLow, range.reynoldsHigh) ? reHigh : reLow;
    note("Re " + Number(re), "Re " + bounds(range.reynoldsLow, range.reynoldsHigh));
  }
  if (outside(PrL, range.prandtlLow, range.prandtlHigh)) {
    note("PrL " + Number(PrL), "Pr " + bounds(range.prandtlLow, range.prandtlHigh));
  }
}

template <typename Input>
Film FilmOf(const Input& in, const RunContext& context, double hfgStar, bool evaporating,
            double rhoV) {
  return {.fluid = in.film.FluidNo,
          .Tw = in.Tw,
          .slots = context.propertySlots,
          .hfgStar = hfgStar,
          .evaporating = evaporating,
          .vaporDensityIncluded = rhoV > 0};
}

}  // namespace

std::string JoinedNoteTexts(const std::vector<ValidityNote>& notes) {
  std::string text;
  for (const ValidityNote& note : notes) {
    if (!text.empty()) text += "; ";
    text += note.text;
  }
  return text;
}

void AddValidityNotes(const WallCondensationRun& run, const WallCondensationFields& fields,
                      const RunContext& context, std::vector<ValidityNote>& notes) {
  const WallCondensationInput& in = run.input;
  FilmNotes(FilmOf(in, context, run.result.hfgStar, false, run.rhoV), context.store, notes);
  CorrelationRangeNote(fields.coefficients, run.result.ReL, run.result.ReL, in.film.PrL, notes);
}

void AddValidityNotes(const TubeCondensationRun& run, const TubeCondensationFields& /*fields*/,
                      const RunContext& context, std::vector<ValidityNote>& notes) {
  const TubeCondensationInput& in = run.input;
  FilmNotes(FilmOf(in, context, run.result.hfgStar, false, run.rhoV), context.store, notes);
  if (in.N != std::floor(in.N)) {
    notes.push_back({kFractionalTubesNote, Number(in.N) +
                                               " tubes is not a whole number: the row is "
                                               "computed as if it had that many."});
  }
}

void AddValidityNotes(const EvaporationRun& run, const EvaporationFields& fields,
                      const RunContext& context, std::vector<ValidityNote>& notes) {
  const EvaporationInput& in = run.input;
  FilmNotes(FilmOf(in, context, run.result.hfgStar, true, run.rhoV), context.store, notes);
  // The film thins down the wall: from its inlet to its end (or to nothing
  // where it dries out).
  const double re0 = run.result.Re0;
  const double reEnd = run.result.dryOut ? 0.0 : run.result.ReL;
  CorrelationRangeNote(fields.coefficients, std::min(reEnd, re0), std::max(reEnd, re0), in.film.PrL,
                       notes);
}

}  // namespace dorix
