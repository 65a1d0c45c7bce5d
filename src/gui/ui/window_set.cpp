// SPDX-License-Identifier: MIT
#include "gui/ui/window_set.h"

#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/ui/frm_liquid.h"

namespace dorix {

WindowSet::WindowSet(MessageSink* messages) : messages_(messages) {}

WindowSet::~WindowSet() = default;

FrmCVW& WindowSet::frmCVW() {
  if (!cvw_) cvw_ = std::make_unique<FrmCVW>(*this, messages_);
  return *cvw_;
}

FrmHT& WindowSet::frmHT() {
  if (!ht_) ht_ = std::make_unique<FrmHT>(*this, messages_);
  return *ht_;
}

FrmEVW& WindowSet::frmEVW() {
  if (!evw_) evw_ = std::make_unique<FrmEVW>(*this, messages_);
  return *evw_;
}

FrmLiquid& WindowSet::frmLiquid() {
  if (!liquid_) liquid_ = std::make_unique<FrmLiquid>();
  return *liquid_;
}

}  // namespace dorix
