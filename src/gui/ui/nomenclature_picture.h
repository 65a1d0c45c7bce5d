// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace dorix {

// The picture beside the coefficient panel: under the heading NOMENCLATURE,
// the five film correlations with their titles, the coefficient letters in
// red and the exponents raised. Drawn as vector graphics, sharp at any scale.
class NomenclaturePicture : public QWidget {
  Q_OBJECT

 public:
  // The picture's design grid: a heading, then one band per correlation.
  static constexpr int kWidth = 330;
  static constexpr int kHeadingHeight = 34;
  static constexpr int kBandHeight = 44;
  static constexpr int kCorrelationCount = 5;
  static constexpr int kHeight = kHeadingHeight + kCorrelationCount * kBandHeight;

  explicit NomenclaturePicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace dorix
