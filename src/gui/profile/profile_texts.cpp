// SPDX-License-Identifier: MIT
#include "gui/profile/profile_texts.h"

#include <string_view>

#include "core/calc/report.h"
#include "core/text/axis_ticks.h"
#include "core/text/format_value.h"

namespace dorix {

QString CoefficientUnit(bool evaporating) {
  const std::string_view unit =
      evaporating ? kEvaporationCoefficientUnit : kCondensationCoefficientUnit;
  return QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
}

QString NumberText(double value) {
  return QString::fromStdString(FormatValue(value));
}

QString TickText(double value) {
  return QString::fromStdString(TickLabels({{value, value}}).front());
}

QString ZoneTitle(WallZone zone) {
  switch (zone) {
    case WallZone::kLaminar:
      return QStringLiteral("Laminar");
    case WallZone::kWavyLaminar:
      return QStringLiteral("Wavy-laminar");
    case WallZone::kTurbulent:
      return QStringLiteral("Turbulent");
    case WallZone::kDry:
      return QStringLiteral("Dry wall");
  }
  return {};
}

QString TransitionTitle(const TransitionMark& mark) {
  const QString name = mark.transition == Transition::kWavyLaminar ? QStringLiteral("x_wl")
                                                                   : QStringLiteral("x_tur");
  return name + " = " + NumberText(mark.x) + " m";
}

QString DryOutTitle(double xDry) {
  return "Dry-out at x = " + NumberText(xDry) + " m";
}

QString AverageTitle(double h, bool evaporating) {
  return "Average h of the report = " + NumberText(h) + CoefficientUnit(evaporating);
}

QString WallReadout(const ProfilePoint& point, bool evaporating) {
  QString text = "x = " + NumberText(point.x) + " m    ";
  if (point.zone == WallZone::kDry) return text + "dry wall: the film has evaporated";
  text += "Re = " + NumberText(point.Re) + "    h = ";
  text += point.h ? NumberText(*point.h) + CoefficientUnit(evaporating)
                  : QStringLiteral("unbounded where the film has no thickness");
  return text + "    " + ZoneTitle(point.zone).toLower();
}

QString TubeReadout(const TubeShare& tube) {
  QString text = "Tube " + QString::number(tube.tube);
  if (tube.portion != 1.0) text += " (" + NumberText(tube.portion) + " of a tube)";
  return text + ":    h = " + NumberText(tube.h) + CoefficientUnit(false) +
         "    condensation rate = " + NumberText(tube.m) +
         " kg/m s    Re of the condensate leaving it = " + NumberText(tube.Re);
}

QString WallSummary(const WallProfile& profile) {
  if (profile.xDry) {
    return "The film dries out at x = " + NumberText(*profile.xDry) +
           " m, before the end of the wall at " + TickText(profile.L) +
           " m: the report has no results.";
  }
  return "Reynolds number at the end of the wall = " + NumberText(*profile.ReL) +
         "    Average heat transfer coefficient = " + NumberText(*profile.hAvg) +
         CoefficientUnit(profile.evaporating);
}

QString TubeSummary(const TubeProfile& profile) {
  return "Number of tubes N = " + TickText(profile.N) +
         ":    average h = " + NumberText(profile.h) + CoefficientUnit(false) +
         "    condensation rate = " + NumberText(profile.m) +
         " kg/m s    Re(pi) = " + NumberText(profile.Re);
}

}  // namespace dorix
