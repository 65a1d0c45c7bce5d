// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace dorix {

// The report box. It holds the text exactly as written, CR LF line ends
// included, while the user can read, select and copy it but not edit it.
class OutputBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit OutputBox(QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

}  // namespace dorix
