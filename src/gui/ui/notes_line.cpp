// SPDX-License-Identifier: MIT
#include "gui/ui/notes_line.h"

#include <QFontMetrics>

namespace dorix {

namespace {

const QString kMark = QStringLiteral("\u26A0 ");

}  // namespace

NotesLine::NotesLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("lblNotes"));
  setTextFormat(Qt::PlainText);
  // The window keeps its width: long notes are cut, not the layout widened.
  setMinimumWidth(1);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  hide();
}

void NotesLine::SetNotes(const std::vector<ValidityNote>& notes) {
  texts_.clear();
  for (const ValidityNote& note : notes) texts_ << QString::fromStdString(note.text);
  setToolTip(texts_.join(QStringLiteral("\n\n")));
  setVisible(!texts_.isEmpty());
  Elide();
}

void NotesLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void NotesLine::Elide() {
  const QFontMetrics metrics(font());
  QStringList lines;
  for (const QString& text : texts_) {
    lines << metrics.elidedText(kMark + text, Qt::ElideRight, contentsRect().width());
  }
  setText(lines.join(QLatin1Char('\n')));
}

}  // namespace dorix
