// SPDX-License-Identifier: MIT
#include "gui/charts/save_file_chooser.h"

#include <QFileDialog>

namespace dorix {

SaveFileChooser SaveFileDialog() {
  return [](QWidget* parent, const QString& caption, const QString& suggestedPath,
            const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
  };
}

OpenFileChooser OpenFileDialog() {
  return [](QWidget* parent, const QString& caption, const QString& suggestedPath,
            const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, suggestedPath, filter);
  };
}

}  // namespace dorix
