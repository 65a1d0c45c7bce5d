#include "ui/output_box.h"

#include <QFontDatabase>

namespace dorix {

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Fixed pitch keeps the numbers of the report lines readable; long lines
  // scroll rather than break.
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

void OutputBox::SetText(const QString& text) {
  text_ = text;
  setPlainText(text);
}

}  // namespace dorix
