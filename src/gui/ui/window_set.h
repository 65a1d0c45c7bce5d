// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "core/state/message_sink.h"

namespace dorix {

class FrmCVW;
class FrmEVW;
class FrmHT;
class FrmLiquid;

// The program's one instance of each window. A window is created on first
// use, which runs its load handler, and lives until the set is destroyed:
// closing or Done only hides it.
class WindowSet {
 public:
  // Without a message sink each calculator window shows its messages in
  // modal boxes over itself.
  explicit WindowSet(MessageSink* messages = nullptr);
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  FrmCVW& frmCVW();
  FrmHT& frmHT();
  FrmEVW& frmEVW();
  FrmLiquid& frmLiquid();

 private:
  MessageSink* messages_;
  std::unique_ptr<FrmCVW> cvw_;
  std::unique_ptr<FrmHT> ht_;
  std::unique_ptr<FrmEVW> evw_;
  std::unique_ptr<FrmLiquid> liquid_;
};

}  // namespace dorix
