// SPDX-License-Identifier: MIT
#pragma once

#include "gui/ui/calculator_window.h"

class QComboBox;

namespace dorix {

// The two condensation windows: the pressure field, and the selector that
// either takes the vapour temperature from its field or replaces it by the
// saturation temperature at the typed pressure. The wall temperature follows.
class CondensationWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  QLabel* Label2 = nullptr;
  QLineEdit* txtPressure = nullptr;
  QComboBox* menTempType = nullptr;
  QLineEdit* txtVaporTemp = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtWallTemp = nullptr;

  void Form_Load() override;
  void Form_Activate() override;

 public slots:
  void menTempType_Click();
  void txtPressure_LostFocus();

 protected:
  CondensationWindow(const QString& name, const QString& caption, const QString& problem,
                     WindowSet& windows, MessageSink* messages, const std::string& pressure,
                     const std::string& vaporTemp, const std::string& wallTemp);

  // Selects an entry from the program, with the effect of the user's choice.
  void SelectTempType(int index);
};

}  // namespace dorix
