// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace dorix {

// Where the calculations send their messages. The desktop program shows each
// in a modal box titled "Message"; the command-line tool writes it to
// standard error; tests record it.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// Keeps every message shown, in order.
class MessageRecorder : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> messages;
};

}  // namespace dorix
