// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace dorix {

// Asks where to save a file: the chosen path, or an empty one when the user
// cancels. Tests put their own in place of the dialog.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggestedPath, const QString& filter)>;

// The desktop's save dialog.
SaveFileChooser SaveFileDialog();

// Asks which file to open, in the same terms: an empty path when cancelled.
using OpenFileChooser = SaveFileChooser;

// The desktop's open dialog.
OpenFileChooser OpenFileDialog();

}  // namespace dorix
