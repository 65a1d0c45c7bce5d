// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/calc/calculation.h"

class QLabel;
class QLineEdit;

namespace dorix {

class NomenclaturePicture;
class PresetChooser;

// The nine correlation coefficients of the vertical-wall windows, each with
// its label, in four rows beside the correlations of the picture they belong
// to: C, v / D, w / A, n / B, m, s. The preset list above them writes a
// published set into the fields and names the set the fields hold.
class CoefficientPanel : public QWidget {
  Q_OBJECT

 public:
  explicit CoefficientPanel(QWidget* parent = nullptr);

  NomenclaturePicture* Picture1 = nullptr;
  PresetChooser* preset = nullptr;
  QLineEdit* txtCoeffC = nullptr;
  QLineEdit* txtCoeffv = nullptr;
  QLineEdit* txtCoeffD = nullptr;
  QLineEdit* txtCoeffw = nullptr;
  QLineEdit* txtCoeffA = nullptr;
  QLineEdit* txtCoeffn = nullptr;
  QLineEdit* txtCoeffB = nullptr;
  QLineEdit* txtCoeffm = nullptr;
  QLineEdit* txtCoeffs = nullptr;
  std::array<QLabel*, 9> lblCo{};

  // The fields in their order on screen, row by row.
  std::array<QLineEdit*, 9> Fields() const;
  // The preset list, then the fields.
  std::vector<QWidget*> TabOrder() const;
  CoefficientTexts Texts() const;
  void SetTexts(const CoefficientTexts& texts);

 private:
  bool settingTexts_ = false;
};

}  // namespace dorix
