// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <string>

#include "core/state/message_sink.h"

class QWidget;

namespace dorix {

// The messages of one calculator window, passed on to the window's sink.
// One action of the user can run two checks of the same input: a click on
// Calculate that takes the focus from the length field runs the field's
// check on leaving it and then Calculate's own. When both find the same
// fault within one action (from one mouse or key press in the window to the
// next), its message is shown once, by whichever check comes first.
class ActionMessages : public QObject, public MessageSink {
 public:
  ActionMessages(const QWidget& window, MessageSink& sink);

  // A message of the window's calculation (Calculate, Plot).
  void ShowMessage(const std::string& text) override;
  // A message of a check on leaving a field.
  void ShowFieldMessage(const std::string& text);

 protected:
  // Every mouse or key press in the window begins a new action.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Source { kField, kCalculation };
  struct Shown {
    std::string text;
    Source source;
    std::uint64_t action;
  };

  void Show(const std::string& text, Source source);

  const QWidget& window_;
  MessageSink& sink_;
  std::uint64_t action_ = 0;
  std::optional<Shown> last_;
};

}  // namespace dorix
