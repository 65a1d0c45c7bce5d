// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "gui/ui/window_set.h"

class QPushButton;

namespace dorix {

// The main menu: one button per problem and "E X I T". It holds the
// program's windows, each created on first use.
class DorixWindow : public QWidget {
  Q_OBJECT

 public:
  // Without a message sink the problem windows show their messages in modal boxes.
  explicit DorixWindow(MessageSink* messages = nullptr, QWidget* parent = nullptr);

  std::array<QPushButton*, 3> cmdDorix{};
  QPushButton* Command1 = nullptr;

  WindowSet& Windows() { return windows_; }

 public slots:
  void cmdDorix_Click(int index);
  void Command1_Click();

 protected:
  // Closing the menu with the frame's close control ends the program, as "E X I T" does.
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowSet windows_;
};

}  // namespace dorix
