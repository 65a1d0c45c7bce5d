// SPDX-License-Identifier: MIT
#include "gui/study/study_texts.h"

#include <QStringList>
#include <algorithm>
#include <map>

#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/calc/row_factors.h"
#include "core/fluids/fluid.h"
#include "core/sweep/saturation_states.h"
#include "gui/profile/profile_texts.h"

namespace dorix {

namespace {

struct ResultText {
  std::string_view name;
  const char* caption;
  const char* title;
  const char* tubeTitle;  // where a row of tubes names it otherwise
  const char* unit;       // none for the coefficient's, which has a superscript
};

constexpr ResultText kResultTexts[] = {
    {kReynoldsNumber, "Re", "Re at the end of the wall", "Film Reynolds number Re", ""},
    {kCondensationRate, "Condensation rate", "Condensation rate per unit width",
     "Condensation rate per unit length", "kg/m s"},
    {kFinalMassFlowRate, "Final mass flow rate", "Final mass flow rate per unit width", nullptr,
     "kg/m s"},
    {kEvaporationRate, "Evaporation rate", "Evaporation rate per unit width", nullptr, "kg/m s"},
    {kHeatTransferCoefficient, "h", "Average heat transfer coefficient h", nullptr, nullptr},
};

const ResultText& TextOf(std::string_view result) {
  for (const ResultText& text : kResultTexts) {
    if (text.name == result) return text;
  }
  return kResultTexts[0];
}

// The heat-transfer coefficient is written in the unit of the problem's report.
QString UnitOf(const Problem& problem, const ResultText& text) {
  if (text.unit != nullptr) return QString::fromUtf8(text.unit);
  return CoefficientUnit(std::holds_alternative<EvaporationFields>(problem.defaults)).trimmed();
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ResultCaption(std::string_view result) {
  return QString::fromUtf8(TextOf(result).caption);
}

QString ResultAxisTitle(const Problem& problem, std::string_view result) {
  const ResultText& text = TextOf(result);
  const bool tube =
      std::holds_alternative<TubeCondensationFields>(problem.defaults) && text.tubeTitle != nullptr;
  const QString title = QString::fromUtf8(tube ? text.tubeTitle : text.title);
  const QString unit = UnitOf(problem, text);
  return unit.isEmpty() ? title : title + " [" + unit + "]";
}

QString FieldTitle(const Problem& problem, std::string_view field) {
  ProblemFields fields = problem.defaults;
  const std::vector<FieldOption> options = BindFields(fields);
  const FieldOption* option = FindOption(options, field);
  return option != nullptr ? FromView(option->field.label) : QString();
}

QString ColumnTitle(const Problem& problem, std::string_view column) {
  for (const ResultText& text : kResultTexts) {
    if (text.name != column) continue;
    const QString unit = UnitOf(problem, text);
    return QString::fromUtf8(text.caption) + (unit.isEmpty() ? QString() : " [" + unit + "]");
  }
  if (const QString field = FieldTitle(problem, column); !field.isEmpty()) return field;
  // dry_out, message, preset, row_factor, notes: their names as words.
  QString words = FromView(column).replace('_', ' ');
  words[0] = words[0].toUpper();
  return words;
}

QString SettingTitle(const ProblemFields& fields) {
  if (const CoefficientTexts* coefficients = CoefficientsOf(fields)) {
    return "Preset: " + FromView(PresetTitle(PresetName(*coefficients)));
  }
  return "Row factor: " +
         FromView(ChoiceOf(std::get<TubeCondensationFields>(fields).rowFactor).title);
}

QString DifferenceTitle(const Problem& problem) {
  return std::holds_alternative<EvaporationFields>(problem.defaults)
             ? QStringLiteral("Tw \u2212 Tsat [K]")
             : QStringLiteral("Tsat \u2212 Tw [K]");
}

QString SweptTitle(const Study& study) {
  if (study.reducedPressure || study.range.name == kSaturationDifferenceField.name) {
    return DifferenceTitle(*study.problem);
  }
  return FieldTitle(*study.problem, study.table.ColumnName(study.sweptColumn));
}

QString CurveTitle(const StudyCurve& curve) {
  const QString fluid = FluidTitle(curve.fluid);
  return curve.Tsat ? fluid + " (Tsat = " + NumberText(*curve.Tsat) + " K)" : fluid;
}

QString FluidTitle(int fluid) {
  const Fluid* found = FindFluid(fluid);
  return found != nullptr ? FromView(found->formula) : QString();
}

QString NoCurveTitle(const StudyCurve& curve) {
  using Status = CalculationOutcome::Status;
  std::map<std::string_view, int> counts;
  bool driesOut = false;
  for (const StudyPoint& point : curve.points) {
    if (point.row.status == Status::kRefused) ++counts[point.row.message];
    driesOut = driesOut || point.row.status == Status::kDryOut;
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  std::string_view reason = driesOut ? "the film dries out" : "no value above zero";
  if (most != counts.end()) reason = most->first;
  constexpr std::string_view kLead = "*** ERROR: ";
  if (reason.starts_with(kLead)) reason.remove_prefix(kLead.size());
  // Under the name, in lines short enough not to squeeze the plot.
  constexpr qsizetype kLineLength = 48;
  QString text = FluidTitle(curve.fluid) + ": no curve";
  QString line;
  for (const QString& word : ("(" + FromView(reason) + ")").split(' ')) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > kLineLength) {
      text += "<br>" + line.toHtmlEscaped();
      line.clear();
    }
    line += (line.isEmpty() ? "" : " ") + word;
  }
  return text + "<br>" + line.toHtmlEscaped();
}

QString StudyReadout(const Study& study, std::size_t index,
                     const std::vector<std::size_t>& results) {
  using Status = CalculationOutcome::Status;
  const StudyPoint& first = study.curves.front().points[index];
  const std::optional<double> x = study.X(first);
  QString readout = SweptTitle(study) + " = " +
                    NumberText(x.value_or(study.range.Value(static_cast<long>(index))));
  for (const StudyCurve& curve : study.curves) {
    const SweepPoint& row = curve.points[index].row;
    readout += "    " + FluidTitle(curve.fluid) + ": ";
    if (row.status == Status::kRefused) {
      readout += QString::fromStdString(row.message);
      continue;
    }
    if (row.status == Status::kDryOut) {
      readout += QStringLiteral("the film dries out");
      continue;
    }
    QStringList values;
    for (const std::size_t result : results) {
      const ResultText& text =
          TextOf(study.table.ColumnName(study.table.FirstResultColumn() + result));
      const QString unit = UnitOf(*study.problem, text);
      values << QString::fromUtf8(text.caption) + " = " + NumberText(*row.results[result]) +
                    (unit.isEmpty() ? QString() : " " + unit);
    }
    readout += values.join(QStringLiteral(", "));
  }
  return readout;
}

}  // namespace dorix
