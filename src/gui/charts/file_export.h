// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

#include "core/state/message_sink.h"
#include "gui/charts/save_file_chooser.h"

class QWidget;

namespace dorix {

// Writes a window's pictures and data to files the user chooses. It suggests
// a name from the window's file stem in the folder last saved to, adds the
// suffix a name lacks, and answers a file it cannot write with a message.
class FileExport {
 public:
  // `fileStem` names the files it suggests ("wall-condensation-profile").
  FileExport(QWidget* owner, QString fileStem, MessageSink& messages);

  void SetChooser(SaveFileChooser chooser) { chooseFile_ = std::move(chooser); }

  // Each is false when cancelled or not written.
  bool Png(QWidget& picture);
  // A vector picture of the widget as drawn on screen, titled `title`.
  bool Svg(QWidget& picture, const QString& title);
  bool Csv(const QString& caption, const std::string& data);
  // Text of another kind, its files named `suffix` and shown by `filter`.
  bool Text(const QString& caption, const QString& suffix, const QString& filter,
            const std::string& data);

 private:
  QString Choose(const QString& caption, const QString& suffix, const QString& filter);
  bool Write(const QString& path, const QByteArray& bytes, const char* what);

  QWidget* owner_;
  QString fileStem_;
  MessageSink& messages_;
  QString lastFolder_;
  SaveFileChooser chooseFile_;
};

}  // namespace dorix
