// SPDX-License-Identifier: MIT
#include "gui/ui/preset_chooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/calc/correlation_presets.h"

namespace dorix {

namespace {

const QString kCustomTip = QStringLiteral("The coefficients as typed: they match no preset.");

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TipOf(const CorrelationPreset& preset) {
  return Text(preset.reference) + QStringLiteral("\n\n") + Text(preset.validity);
}

}  // namespace

PresetChooser::PresetChooser(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  lblPreset = new QLabel(QStringLiteral("Preset"), this);
  lblPreset->setObjectName(QStringLiteral("lblPreset"));
  menPreset = new QComboBox(this);
  menPreset->setObjectName(QStringLiteral("menPreset"));
  const auto& presets = CorrelationPresets();
  for (std::size_t i = 0; i < presets.size(); ++i) {
    menPreset->addItem(Text(presets[i].name));
    menPreset->setItemData(static_cast<int>(i), TipOf(presets[i]), Qt::ToolTipRole);
  }
  menPreset->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  lblPreset->setBuddy(menPreset);
  lblSource = new QLabel(this);
  lblSource->setObjectName(QStringLiteral("lblSource"));
  layout->addWidget(lblPreset);
  layout->addWidget(menPreset);
  layout->addWidget(lblSource);
  layout->addStretch(1);

  connect(menPreset, &QComboBox::activated, this, [this](int index) {
    const auto& presets = CorrelationPresets();
    if (index >= 0 && index < static_cast<int>(presets.size())) {
      emit PresetChosen(presets[static_cast<std::size_t>(index)]);
    }
  });
  ShowPresetOf(CoefficientTexts{});
}

void PresetChooser::ShowPresetOf(const CoefficientTexts& texts) {
  const auto& presets = CorrelationPresets();
  const int customIndex = static_cast<int>(presets.size());
  const CorrelationPreset* preset = PresetOf(texts);
  if (preset == nullptr) {
    if (menPreset->count() == customIndex) {
      menPreset->addItem(Text(PresetTitle(kCustomPresetName)));
      menPreset->setItemData(customIndex, kCustomTip, Qt::ToolTipRole);
    }
    menPreset->setCurrentIndex(customIndex);
  } else {
    menPreset->setCurrentIndex(static_cast<int>(preset - presets.data()));
    // "Custom" is a state, not a choice: it leaves the list with the state.
    if (menPreset->count() > customIndex) menPreset->removeItem(customIndex);
  }
  ShowCurrentSource();
}

void PresetChooser::ShowCurrentSource() {
  const auto& presets = CorrelationPresets();
  const auto index = static_cast<std::size_t>(menPreset->currentIndex());
  const bool custom = index >= presets.size();
  lblSource->setText(custom ? QStringLiteral("coefficients as typed")
                            : Text(presets[index].source));
  const QString tip = custom ? kCustomTip : TipOf(presets[index]);
  menPreset->setToolTip(tip);
  lblSource->setToolTip(tip);
}

}  // namespace dorix
