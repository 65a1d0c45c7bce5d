// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/message_sink.h"

class QWidget;

namespace dorix {

// Shows each message in a modal box titled "Message" with an OK button only
// and no icon, over the given window.
class QtMessageBox : public MessageSink {
 public:
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace dorix
