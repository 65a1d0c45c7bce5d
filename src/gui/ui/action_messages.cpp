// SPDX-License-Identifier: MIT
#include "gui/ui/action_messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace dorix {

ActionMessages::ActionMessages(const QWidget& window, MessageSink& sink)
    : window_(window), sink_(sink) {
  // Presses go to the control under the mouse or with the focus, so the
  // window sees them only through the application.
  QCoreApplication::instance()->installEventFilter(this);
}

void ActionMessages::ShowMessage(const std::string& text) {
  Show(text, Source::kCalculation);
}

void ActionMessages::ShowFieldMessage(const std::string& text) {
  Show(text, Source::kField);
}

void ActionMessages::Show(const std::string& text, Source source) {
  // The other check has already said it in this action.
  if (last_ && last_->action == action_ && last_->source != source && last_->text == text) return;
  last_ = Shown{text, source, action_};
  sink_.ShowMessage(text);
}

bool ActionMessages::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
      if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window_) {
        ++action_;
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace dorix
