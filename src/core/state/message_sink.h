// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace dorix {

// Where the windows' calculations send their messages: the desktop program
// shows each in a modal box titled "Message"; tests record them.
// The calculations themselves return their message in the outcome; only the
// windows' facade over the shared state hands it on to a sink.
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
