// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QStringList>
#include <vector>

#include "core/calc/calculation.h"

namespace dorix {

// The validity notes of the report on show, under the report box: one line
// each, cut to the box's width, every note in full on hover. Hidden while
// the report has none, so that the window looks as it always did.
class NotesLine : public QLabel {
  Q_OBJECT

 public:
  explicit NotesLine(QWidget* parent = nullptr);

  void SetNotes(const std::vector<ValidityNote>& notes);
  // The notes' full texts, one each.
  const QStringList& Texts() const { return texts_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();

  QStringList texts_;
};

}  // namespace dorix
