// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <string_view>

#include "core/calc/calculation.h"

class QComboBox;
class QLabel;

namespace dorix {

struct CorrelationPreset;

// The "Preset" list over the coefficient panel: the published sets of the
// nine coefficients, each with its source beside the list and its full
// reference and range in a tooltip, and "Custom" while the texts match none.
class PresetChooser : public QWidget {
  Q_OBJECT

 public:
  explicit PresetChooser(QWidget* parent = nullptr);

  QLabel* lblPreset = nullptr;
  QComboBox* menPreset = nullptr;
  QLabel* lblSource = nullptr;

  // Shows the preset these texts belong to, or "Custom".
  void ShowPresetOf(const CoefficientTexts& texts);

 signals:
  // The user picked a preset from the list.
  void PresetChosen(const CorrelationPreset& preset);

 private:
  void ShowCurrentSource();
};

}  // namespace dorix
