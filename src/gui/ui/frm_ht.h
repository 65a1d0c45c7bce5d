// SPDX-License-Identifier: MIT
#pragma once

#include "gui/ui/condensation_window.h"

namespace dorix {

// Film condensation on a vertical row of horizontal tubes.
class FrmHT final : public CondensationWindow {
  Q_OBJECT

 public:
  // Without a message sink the window shows its messages in modal boxes.
  explicit FrmHT(WindowSet& windows, MessageSink* messages = nullptr);

  QLabel* Label5 = nullptr;
  QLineEdit* txtTubeDia = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtNumTube = nullptr;
  QLabel* lblRowFactor = nullptr;
  // Nusselt's N⁻¹ᐟ⁴ (the default) or Kern's N⁻¹ᐟ⁶, in the order of RowFactorChoices().
  QComboBox* menRowFactor = nullptr;

  // The fields as typed, for the calculation.
  TubeCondensationFields Fields() const;

 protected:
  CalculationOutcome Calculate() override;
  std::optional<Profile> Plot() override;
  ProblemFields CurrentFields() const override { return Fields(); }
};

}  // namespace dorix
