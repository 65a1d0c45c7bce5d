#include "gui/ui/coefficient_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/ui/nomenclature_picture.h"

namespace dorix {

namespace {

constexpr int kFieldWidth = 70;

// Grid row of each correlation band; the laminar law has no coefficients.
constexpr int kTransitionWl = 1;
constexpr int kTransitionTur = 2;
constexpr int kWavyNu = 4;
constexpr int kTurbulentNu = 5;

}  // namespace

CoefficientPanel::CoefficientPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Picture1 = new NomenclaturePicture(this);
  layout->addWidget(Picture1, 0, Qt::AlignTop);

  // One grid row per band of the picture, so each row stands beside its law.
  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(0);
  grid->setRowMinimumHeight(0, NomenclaturePicture::kHeadingHeight);
  for (int row = 1; row <= NomenclaturePicture::kCorrelationCount; ++row) {
    grid->setRowMinimumHeight(row, NomenclaturePicture::kBandHeight);
  }
  layout->addLayout(grid);
  layout->addStretch(1);

  const CoefficientTexts defaults;
  struct Entry {
    QLineEdit** field;
    const char* name;
    const char* label;
    const std::string& text;
    int row;
    int column;
  };
  const std::array<Entry, 9> entries = {{
      {&txtCoeffC, "txtCoeffC", "C =", defaults.C, kTransitionWl, 0},
      {&txtCoeffv, "txtCoeffv", "v =", defaults.v, kTransitionWl, 1},
      {&txtCoeffD, "txtCoeffD", "D =", defaults.D, kTransitionTur, 0},
      {&txtCoeffw, "txtCoeffw", "w =", defaults.w, kTransitionTur, 1},
      {&txtCoeffA, "txtCoeffA", "A =", defaults.A, kWavyNu, 0},
      {&txtCoeffn, "txtCoeffn", "n =", defaults.n, kWavyNu, 1},
      {&txtCoeffB, "txtCoeffB", "B =", defaults.B, kTurbulentNu, 0},
      {&txtCoeffm, "txtCoeffm", "m =", defaults.m, kTurbulentNu, 1},
      {&txtCoeffs, "txtCoeffs", "s = ", defaults.s, kTurbulentNu, 2},
  }};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    auto* label = new QLabel(QString::fromLatin1(entry.label), this);
    label->setObjectName(QStringLiteral("lblCo%1").arg(i));
    auto* field = new QLineEdit(QString::fromStdString(entry.text), this);
    field->setObjectName(QString::fromLatin1(entry.name));
    field->setFixedWidth(kFieldWidth);
    // As tall as its field, so that both bottom-aligned texts share one line.
    label->setMinimumHeight(field->sizeHint().height());
    grid->addWidget(label, entry.row, 2 * entry.column, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(field, entry.row, 2 * entry.column + 1, Qt::AlignBottom);
    lblCo[i] = label;
    *entry.field = field;
  }
}

std::array<QLineEdit*, 9> CoefficientPanel::Fields() const {
  return {txtCoeffC, txtCoeffv, txtCoeffD, txtCoeffw, txtCoeffA,
          txtCoeffn, txtCoeffB, txtCoeffm, txtCoeffs};
}

CoefficientTexts CoefficientPanel::Texts() const {
  const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
  CoefficientTexts texts;
  texts.C = text(txtCoeffC);
  texts.v = text(txtCoeffv);
  texts.D = text(txtCoeffD);
  texts.w = text(txtCoeffw);
  texts.A = text(txtCoeffA);
  texts.n = text(txtCoeffn);
  texts.B = text(txtCoeffB);
  texts.m = text(txtCoeffm);
  texts.s = text(txtCoeffs);
  return texts;
}

}  // namespace dorix
