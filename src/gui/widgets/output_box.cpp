// SPDX-License-Identifier: MIT
#include "gui/widgets/output_box.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QScrollBar>

namespace dorix {

namespace {

// Room for a whole report without scrolling: its longest lines and all its lines.
constexpr int kColumns = 58;
constexpr int kLines = 17;

}  // namespace

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Fixed pitch keeps the numbers of the report lines readable; long lines
  // scroll rather than break.
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFontMetrics metrics(font());
  const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
  setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * kColumns + margins +
                     verticalScrollBar()->sizeHint().width(),
                 metrics.lineSpacing() * kLines + margins);
}

void OutputBox::SetText(const QString& text) {
  text_ = text;
  setPlainText(text);
}

}  // namespace dorix
