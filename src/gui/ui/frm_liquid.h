// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "core/fluids/fluid.h"
#include "gui/ui/ranges_picture.h"

class QPushButton;

namespace dorix {

// The fluid selection window: one button per fluid laid over the rows of the
// table of valid ranges. A click sets FluidNo and hides the window; the
// calculator windows take the new fluid up when they are activated again.
//
// The table shows six fluids at a time: the first page holds fluids 1 to 6,
// the second today's refrigerants; a button in the corner turns the page.
class FrmLiquid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPageCount = kFluidCount / kTableRows;

  explicit FrmLiquid(QWidget* parent = nullptr);

  RangesPicture* Image1 = nullptr;  // the first page's table
  RangesPicture* Image2 = nullptr;  // the second page's
  std::array<QPushButton*, kFluidCount> cmdFluid{};
  QPushButton* cmdPage = nullptr;

  // The page on show, 0 or 1.
  int CurrentPage() const { return page_; }

 public slots:
  void cmdFluid_Click(int index);
  void cmdPage_Click();

 protected:
  // Every showing starts on the page of the fluid in use, with the focus on
  // the window, not on a button, so that no focus frame marks a fluid as if
  // it were chosen.
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPage(int page);

  std::array<QWidget*, kPageCount> pages_{};
  int page_ = 0;
};

}  // namespace dorix
