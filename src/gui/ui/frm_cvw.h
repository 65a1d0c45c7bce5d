// SPDX-License-Identifier: MIT
#pragma once

#include "gui/ui/condensation_window.h"

namespace dorix {

class CoefficientPanel;

// Film condensation on a vertical wall.
class FrmCVW final : public CondensationWindow {
  Q_OBJECT

 public:
  // Without a message sink the window shows its messages in modal boxes.
  explicit FrmCVW(WindowSet& windows, MessageSink* messages = nullptr);

  QLabel* Label5 = nullptr;
  QLineEdit* txtLength = nullptr;
  CoefficientPanel* coefficients = nullptr;

  // The fields as typed, for the calculation.
  WallCondensationFields Fields() const;

 public slots:
  void txtLength_LostFocus();

 protected:
  CalculationOutcome Calculate() override;
  std::optional<Profile> Plot() override;
  ProblemFields CurrentFields() const override { return Fields(); }
};

}  // namespace dorix
