// SPDX-License-Identifier: MIT
#include "core/calc/row_factors.h"

namespace dorix {

namespace {

constexpr RowFactorChoice kChoices[] = {
    {RowFactor::kNusselt, "nusselt", "Nusselt N\u207B\u00B9\u141F\u2074",
     "Nusselt, W. (1916), Die Oberfl\u00E4chenkondensation des Wasserdampfes, Zeitschrift des "
     "VDI 60, 541-546 and 569-575: every tube drains into the one below without splashing, so "
     "the row's average coefficient is the single tube's times N^(-1/4)."},
    {RowFactor::kKern, "kern", "Kern N\u207B\u00B9\u141F\u2076",
     "Kern, D. Q. (1958), Mathematical development of tube loading in horizontal condensers, "
     "AIChE Journal 4(2), 157-160: the condensate splashes and ripples as it falls from tube to "
     "tube, so the coefficient falls more slowly, as N^(-1/6); the usual design rule for "
     "condenser tube banks."},
};

}  // namespace

std::span<const RowFactorChoice> RowFactorChoices() {
  return kChoices;
}

const RowFactorChoice& ChoiceOf(RowFactor factor) {
  return factor == RowFactor::kKern ? kChoices[1] : kChoices[0];
}

const RowFactorChoice* FindRowFactor(std::string_view name) {
  for (const RowFactorChoice& choice : kChoices) {
    if (choice.name == name) return &choice;
  }
  return nullptr;
}

std::string RowFactorReportLine(RowFactor factor) {
  return "Tube-row factor = " + std::string(ChoiceOf(factor).title);
}

}  // namespace dorix
