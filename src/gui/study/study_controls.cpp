// SPDX-License-Identifier: MIT
#include "gui/study/study_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/calc/outcome_record.h"
#include "core/sweep/saturation_states.h"
#include "gui/study/study_texts.h"
#include "gui/widgets/push_button.h"

namespace dorix {

namespace {

constexpr const char* kDefaultField = "wall_temp";
constexpr const char* kDefaultCount = "21";
constexpr int kRangeFieldWidth = 90;

QLineEdit* NewRangeField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setFixedWidth(kRangeFieldWidth);
  return field;
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool InSaturationMode(const ProblemFields& fields) {
  return std::visit(
      [](const auto& f) {
        if constexpr (requires { f.tempTypeIndex; }) {
          return f.tempTypeIndex == kSaturationVaporTemperature;
        }
        return false;
      },
      fields);
}

}  // namespace

StudyControls::StudyControls(const Problem& problem, QWidget* parent)
    : QWidget(parent), fields_(problem.defaults) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* range = new QHBoxLayout;
  cboInput = new QComboBox(this);
  cboInput->setObjectName(QStringLiteral("cboInput"));
  txtFrom = NewRangeField(this, "txtFrom");
  txtTo = NewRangeField(this, "txtTo");
  txtCount = NewRangeField(this, "txtCount");
  txtCount->setText(QString::fromLatin1(kDefaultCount));
  chkLogSteps = NewCheckBox(this, "chkLogSteps", QStringLiteral("Logarithmic steps"));
  cmdRun = NewPushButton(this, "cmdRun", QStringLiteral("&Run"));
  range->addWidget(cboInput);
  range->addWidget(new QLabel(QStringLiteral("from"), this));
  range->addWidget(txtFrom);
  range->addWidget(new QLabel(QStringLiteral("to"), this));
  range->addWidget(txtTo);
  range->addWidget(new QLabel(QStringLiteral("in"), this));
  range->addWidget(txtCount);
  range->addWidget(new QLabel(QStringLiteral("points"), this));
  range->addSpacing(12);
  range->addWidget(chkLogSteps);
  range->addStretch(1);
  range->addWidget(cmdRun);
  grid->addWidget(new QLabel(QStringLiteral("Vary:"), this), 0, 0);
  grid->addLayout(range, 0, 1);

  auto* shown = new QHBoxLayout;
  for (const std::string_view result : problem.results) {
    QCheckBox* box = NewCheckBox(this, "chkResult", ResultCaption(result));
    box->setChecked(result == kHeatTransferCoefficient);
    shown->addWidget(box);
    chkResults.push_back(box);
    connect(box, &QCheckBox::toggled, this, &StudyControls::redrawRequested);
  }
  shown->addSpacing(24);
  chkAllFluids = NewCheckBox(this, "chkAllFluids", QStringLiteral("&All fluids"));
  chkLogResults = NewCheckBox(this, "chkLogResults", QStringLiteral("Logarithmic result scale"));
  lblFluid = new QLabel(this);
  lblFluid->setObjectName(QStringLiteral("lblFluid"));
  shown->addWidget(chkAllFluids);
  shown->addWidget(chkLogResults);
  shown->addStretch(1);
  shown->addWidget(lblFluid);
  lblSetting = new QLabel(this);
  lblSetting->setObjectName(QStringLiteral("lblSetting"));
  shown->addSpacing(12);
  shown->addWidget(lblSetting);
  grid->addWidget(new QLabel(QStringLiteral("Plot:"), this), 1, 0);
  grid->addLayout(shown, 1, 1);

  connect(cmdRun, &QPushButton::clicked, this, &StudyControls::runRequested);
  connect(chkLogSteps, &QCheckBox::toggled, this, &StudyControls::runRequested);
  connect(chkAllFluids, &QCheckBox::toggled, this, &StudyControls::runRequested);
  connect(chkLogResults, &QCheckBox::toggled, this, &StudyControls::redrawRequested);
  connect(cboInput, &QComboBox::activated, this, [this] {
    SuggestRange();
    emit runRequested();
  });
}

void StudyControls::OfferFields(const ProblemFields& fields) {
  fields_ = fields;
  const QString chosen = cboInput->currentData().toString();
  const bool saturated = InSaturationMode(fields_);
  cboInput->clear();
  for (const FieldOption& option : BindFields(fields_)) {
    // In saturation mode the vapour temperature is not read.
    if (saturated && option.field.name == kVaporTempField.name) continue;
    cboInput->addItem(FromView(option.field.label), FromView(option.field.name));
  }
  cboInput->addItem(
      DifferenceTitle(ProblemOf(fields_)) + QStringLiteral(", each fluid at one p/pc"),
      FromView(kSaturationDifferenceField.name));
  const int kept = cboInput->findData(chosen);
  if (kept >= 0) {
    cboInput->setCurrentIndex(kept);
    return;
  }
  cboInput->setCurrentIndex(std::max(0, cboInput->findData(QString::fromLatin1(kDefaultField))));
  SuggestRange();
}

void StudyControls::SuggestRange() {
  const std::vector<FieldOption> options = BindFields(fields_);
  const std::string field = cboInput->currentData().toString().toStdString();
  if (field == kSaturationDifferenceField.name) {
    // From a film that barely forms to one well driven.
    txtFrom->setText(QStringLiteral("1"));
    txtTo->setText(QStringLiteral("50"));
    return;
  }
  const FieldOption* option = FindOption(options, field);
  if (option == nullptr) return;
  const SuggestedRange range = dorix::SuggestRange(option->field, *option->text);
  txtFrom->setText(QString::fromStdString(range.from));
  txtTo->setText(QString::fromStdString(range.to));
}

void StudyControls::ShowChoices(const StudySettings& settings) {
  const QSignalBlocker quiet(this);
  const int field = cboInput->findData(QString::fromStdString(settings.range.field));
  if (field >= 0) cboInput->setCurrentIndex(field);
  txtFrom->setText(QString::fromStdString(settings.range.from));
  txtTo->setText(QString::fromStdString(settings.range.to));
  txtCount->setText(QString::fromStdString(settings.range.count));
  chkLogSteps->setChecked(settings.range.logarithmic);
  const std::vector<std::string_view>& results = ProblemOf(fields_).results;
  for (std::size_t i = 0; i < results.size(); ++i) {
    chkResults[i]->setChecked(std::find(settings.results.begin(), settings.results.end(),
                                        results[i]) != settings.results.end());
  }
  chkAllFluids->setChecked(settings.allFluids);
  chkLogResults->setChecked(settings.logarithmicResults);
}

StudyRangeText StudyControls::RangeText() const {
  return {cboInput->currentData().toString().toStdString(), txtFrom->text().toStdString(),
          txtTo->text().toStdString(), txtCount->text().toStdString(), chkLogSteps->isChecked()};
}

std::vector<std::size_t> StudyControls::ChosenResults() const {
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < chkResults.size(); ++i) {
    if (chkResults[i]->isChecked()) chosen.push_back(i);
  }
  return chosen;
}

bool StudyControls::AllFluids() const {
  return chkAllFluids->isChecked();
}

bool StudyControls::LogarithmicResults() const {
  return chkLogResults->isChecked();
}

}  // namespace dorix
