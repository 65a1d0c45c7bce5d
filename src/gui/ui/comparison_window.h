// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "core/sweep/comparison.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace dorix {

// The inputs of a calculator window under every preset or row factor: Re,
// rate and h of each, the message of a refused one in its row, and the
// spread max/min. Each calculator window keeps one, modeless, refreshed by
// every press of Compare; closing it only hides it.
class ComparisonWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ComparisonWindow(QWidget* parent);

  QLabel* lblSummary = nullptr;
  QTableWidget* tblCompare = nullptr;
  QPushButton* cmdClose = nullptr;

  // Fills the table under this title and brings the window up.
  void ShowComparison(const QString& title, const Comparison& comparison);
};

}  // namespace dorix
