// SPDX-License-Identifier: MIT
#include "gui/ui/coefficient_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/calc/correlation_presets.h"
#include "gui/ui/nomenclature_picture.h"
#include "gui/ui/preset_chooser.h"

namespace dorix {

namespace {

constexpr int kFieldWidth = 70;

// Grid row of each correlation band; the laminar law has no coefficients.
constexpr int kTransitionWl = 0;
constexpr int kTransitionTur = 1;
constexpr int kWavyNu = 3;
constexpr int kTurbulentNu = 4;

// The text of each field, in the order of Fields() and of the entries below.
constexpr std::array<std::string CoefficientTexts::*, 9> kTextOfField = {
    &CoefficientTexts::C, &CoefficientTexts::v, &CoefficientTexts::D,
    &CoefficientTexts::w, &CoefficientTexts::A, &CoefficientTexts::n,
    &CoefficientTexts::B, &CoefficientTexts::m, &CoefficientTexts::s};

}  // namespace

CoefficientPanel::CoefficientPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Picture1 = new NomenclaturePicture(this);
  layout->addWidget(Picture1, 0, Qt::AlignTop);

  // Beside the picture's heading, above the coefficients it sets; as tall as
  // the heading, so that the rows below still meet their bands.
  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  preset = new PresetChooser(this);
  preset->setFixedHeight(NomenclaturePicture::kHeadingHeight);
  right->addWidget(preset);

  // One grid row per band of the picture, so each row stands beside its law.
  // The grid keeps its own width whatever the preset row beside needs.
  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(0);
  grid->setHorizontalSpacing(layout->spacing());
  for (int row = 0; row < NomenclaturePicture::kCorrelationCount; ++row) {
    grid->setRowMinimumHeight(row, NomenclaturePicture::kBandHeight);
  }
  auto* gridRow = new QHBoxLayout;
  gridRow->addLayout(grid);
  gridRow->addStretch(1);
  right->addLayout(gridRow);
  right->addStretch(1);
  layout->addLayout(right);
  layout->addStretch(1);

  connect(preset, &PresetChooser::PresetChosen, this,
          [this](const CorrelationPreset& chosen) { SetTexts(chosen.texts); });

  const CoefficientTexts defaults;
  struct Entry {
    QLineEdit** field;
    const char* name;
    const char* label;
    int row;
    int column;
  };
  const std::array<Entry, 9> entries = {{
      {&txtCoeffC, "txtCoeffC", "C =", kTransitionWl, 0},
      {&txtCoeffv, "txtCoeffv", "v =", kTransitionWl, 1},
      {&txtCoeffD, "txtCoeffD", "D =", kTransitionTur, 0},
      {&txtCoeffw, "txtCoeffw", "w =", kTransitionTur, 1},
      {&txtCoeffA, "txtCoeffA", "A =", kWavyNu, 0},
      {&txtCoeffn, "txtCoeffn", "n =", kWavyNu, 1},
      {&txtCoeffB, "txtCoeffB", "B =", kTurbulentNu, 0},
      {&txtCoeffm, "txtCoeffm", "m =", kTurbulentNu, 1},
      {&txtCoeffs, "txtCoeffs", "s = ", kTurbulentNu, 2},
  }};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    auto* label = new QLabel(QString::fromLatin1(entry.label), this);
    label->setObjectName(QStringLiteral("lblCo%1").arg(i));
    auto* field = new QLineEdit(QString::fromStdString(defaults.*kTextOfField[i]), this);
    field->setObjectName(QString::fromLatin1(entry.name));
    field->setFixedWidth(kFieldWidth);
    // As tall as its field, so that both bottom-aligned texts share one line.
    label->setMinimumHeight(field->sizeHint().height());
    grid->addWidget(label, entry.row, 2 * entry.column, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(field, entry.row, 2 * entry.column + 1, Qt::AlignBottom);
    lblCo[i] = label;
    *entry.field = field;
    connect(field, &QLineEdit::textChanged, this, [this] {
      if (!settingTexts_) preset->ShowPresetOf(Texts());
    });
  }
}

std::array<QLineEdit*, 9> CoefficientPanel::Fields() const {
  return {txtCoeffC, txtCoeffv, txtCoeffD, txtCoeffw, txtCoeffA,
          txtCoeffn, txtCoeffB, txtCoeffm, txtCoeffs};
}

std::vector<QWidget*> CoefficientPanel::TabOrder() const {
  std::vector<QWidget*> order{preset->menPreset};
  const auto fields = Fields();
  order.insert(order.end(), fields.begin(), fields.end());
  return order;
}

CoefficientTexts CoefficientPanel::Texts() const {
  CoefficientTexts texts;
  const auto fields = Fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    texts.*kTextOfField[i] = fields[i]->text().toStdString();
  }
  return texts;
}

void CoefficientPanel::SetTexts(const CoefficientTexts& texts) {
  // One update of the preset list for all nine, not one per field.
  settingTexts_ = true;
  const auto fields = Fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i]->setText(QString::fromStdString(texts.*kTextOfField[i]));
  }
  settingTexts_ = false;
  preset->ShowPresetOf(Texts());
}

}  // namespace dorix
