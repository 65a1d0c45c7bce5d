// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <QString>

namespace dorix {

// A command button named for the tests and for accessibility; Enter on it,
// once it has the focus, presses it as Space does.
QPushButton* NewPushButton(QWidget* parent, const char* name, const QString& caption);

}  // namespace dorix
