// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

#include "core/calc/problems.h"
#include "core/sweep/study_file.h"
#include "core/sweep/study_range.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dorix {

// What a study asks for, in two rows: the field to vary with its range and
// steps, and Run; the results to chart, all fluids or one, and the result
// scale. It asks for a new study when a choice changes what is computed, and
// for a new drawing when it changes only what is shown.
class StudyControls : public QWidget {
  Q_OBJECT

 public:
  StudyControls(const Problem& problem, QWidget* parent);

  QComboBox* cboInput = nullptr;
  QLineEdit* txtFrom = nullptr;
  QLineEdit* txtTo = nullptr;
  QLineEdit* txtCount = nullptr;
  QCheckBox* chkLogSteps = nullptr;
  QPushButton* cmdRun = nullptr;
  std::vector<QCheckBox*> chkResults;  // one per result of the problem, in report order
  QCheckBox* chkAllFluids = nullptr;
  QCheckBox* chkLogResults = nullptr;
  QLabel* lblFluid = nullptr;
  QLabel* lblSetting = nullptr;  // the coefficients' preset or the tubes' row factor

  // Offers the fields these texts leave to vary, keeping the one chosen if
  // it is among them; a new choice gets a range suggested from its text.
  void OfferFields(const ProblemFields& fields);

  // Shows a saved study's range and chart choices, without asking for a
  // study or a drawing: the window runs the study once they are all in place.
  void ShowChoices(const StudySettings& settings);

  StudyRangeText RangeText() const;
  // The chosen results, numbered from 0 in report order.
  std::vector<std::size_t> ChosenResults() const;
  bool AllFluids() const;
  bool LogarithmicResults() const;

 signals:
  void runRequested();
  void redrawRequested();

 private:
  void SuggestRange();

  ProblemFields fields_;
};

}  // namespace dorix
