// SPDX-License-Identifier: MIT
#pragma once

#include "gui/ui/calculator_window.h"

namespace dorix {

class CoefficientPanel;

// Evaporation of a liquid film falling down a heated vertical wall.
class FrmEVW final : public CalculatorWindow {
  Q_OBJECT

 public:
  // Without a message sink the window shows its messages in modal boxes.
  explicit FrmEVW(WindowSet& windows, MessageSink* messages = nullptr);

  QLabel* Label2 = nullptr;
  QLineEdit* txtSatTemp = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtWallTemp = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* txtLength = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtIMFR = nullptr;
  CoefficientPanel* coefficients = nullptr;

  // The fields as typed, for the calculation.
  EvaporationFields Fields() const;

 public slots:
  void txtLength_LostFocus();

 protected:
  CalculationOutcome Calculate() override;
  std::optional<Profile> Plot() override;
  ProblemFields CurrentFields() const override { return Fields(); }
};

}  // namespace dorix
