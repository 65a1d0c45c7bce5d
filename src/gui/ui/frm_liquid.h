// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "core/fluids/fluid.h"

class QPushButton;

namespace dorix {

class RangesPicture;

// The fluid selection window: one button per fluid laid over the rows of the
// table of valid ranges. A click sets FluidNo and hides the window; the
// calculator windows take the new fluid up when they are activated again.
class FrmLiquid : public QWidget {
  Q_OBJECT

 public:
  explicit FrmLiquid(QWidget* parent = nullptr);

  RangesPicture* Image1 = nullptr;
  std::array<QPushButton*, kFluidCount> cmdFluid{};

 public slots:
  void cmdFluid_Click(int index);

 protected:
  // Every showing starts with the focus on the window, not on a button, so
  // that no focus frame marks a fluid as if it were chosen.
  void showEvent(QShowEvent* event) override;
};

}  // namespace dorix
