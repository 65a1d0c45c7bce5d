// SPDX-License-Identifier: MIT
#include "gui/widgets/push_button.h"

namespace dorix {

QPushButton* NewPushButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(true);
  return button;
}

}  // namespace dorix
