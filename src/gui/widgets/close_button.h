// SPDX-License-Identifier: MIT
#pragma once

class QPushButton;
class QWidget;

namespace dorix {

// A "Close" button for a tool window, which Escape anywhere in the window
// presses too. Closing only hides the window, as its owner keeps it.
QPushButton* NewCloseButton(QWidget* window);

}  // namespace dorix
