// SPDX-License-Identifier: MIT
#include "gui/widgets/close_button.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "gui/widgets/push_button.h"

namespace dorix {

QPushButton* NewCloseButton(QWidget* window) {
  QPushButton* button = NewPushButton(window, "cmdClose", QStringLiteral("Close"));
  QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
  return button;
}

}  // namespace dorix
