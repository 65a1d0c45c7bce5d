// SPDX-License-Identifier: MIT
#include "gui/charts/file_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace dorix {

FileExport::FileExport(QWidget* owner, QString fileStem, MessageSink& messages)
    : owner_(owner),
      fileStem_(std::move(fileStem)),
      messages_(messages),
      lastFolder_(QDir::homePath()),
      chooseFile_(SaveFileDialog()) {}

QString FileExport::Choose(const QString& caption, const QString& suffix, const QString& filter) {
  const QString suggested = QDir(lastFolder_).filePath(fileStem_ + "." + suffix);
  QString path = chooseFile_(owner_, caption, suggested, filter);
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += "." + suffix;
  lastFolder_ = QFileInfo(path).absolutePath();
  return path;
}

bool FileExport::Write(const QString& path, const QByteArray& bytes, const char* what) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
    return true;
  }
  messages_.ShowMessage("*** ERROR: The " + std::string(what) + " could not be written to " +
                        path.toStdString() + ".");
  return false;
}

bool FileExport::Png(QWidget& picture) {
  const QString path = Choose(QStringLiteral("Export the chart as PNG"), QStringLiteral("png"),
                              QStringLiteral("PNG images (*.png)"));
  if (path.isEmpty()) return false;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.grab().save(&buffer, "PNG");
  return Write(path, bytes, "picture");
}

bool FileExport::Svg(QWidget& picture, const QString& title) {
  const QString path = Choose(QStringLiteral("Export the chart as SVG"), QStringLiteral("svg"),
                              QStringLiteral("SVG images (*.svg)"));
  if (path.isEmpty()) return false;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(picture.size());
  generator.setViewBox(picture.rect());
  generator.setTitle(title);
  QPainter painter(&generator);
  picture.render(&painter);
  painter.end();
  return Write(path, bytes, "picture");
}

bool FileExport::Csv(const QString& caption, const std::string& data) {
  return Text(caption, QStringLiteral("csv"), QStringLiteral("CSV files (*.csv)"), data);
}

bool FileExport::Text(const QString& caption, const QString& suffix, const QString& filter,
                      const std::string& data) {
  const QString path = Choose(caption, suffix, filter);
  if (path.isEmpty()) return false;
  return Write(path, QByteArray::fromStdString(data), "data");
}

}  // namespace dorix
