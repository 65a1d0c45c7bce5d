#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/message_sink.h"
#include "solvers/calculation.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace dorix {

class OutputBox;
class WindowSet;

// What the three problem windows share: the Fluid button with its "Fluid:"
// label at the top of the input column, Calculate and Done under it, the
// report box beside it, the messages, and the refresh on every activation.
// Closing the window with the frame's close control only hides it, as Done does.
class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  QLabel* Label1 = nullptr;
  QPushButton* cmdFluid = nullptr;
  QPushButton* cmdCalc = nullptr;
  QPushButton* cmdDone = nullptr;
  OutputBox* txtOutput = nullptr;

  // Runs once, when the window is created.
  virtual void Form_Load();
  // Runs each time the window becomes the active window.
  virtual void Form_Activate();

 public slots:
  void cmdFluid_Click();
  void cmdCalc_Click();
  void cmdDone_Click();

 protected:
  // Without a message sink the window shows its messages in modal boxes.
  CalculatorWindow(const QString& name, const QString& caption, WindowSet& windows,
                   MessageSink* messages);

  // The window's calculation routine, run by Calculate.
  virtual CalculationOutcome Calculate() = 0;

  MessageSink& Messages() { return *messages_; }

  // Places a widget above the input column and the report box.
  void SetUpperHalf(QWidget* widget);
  QLabel* NewLabel(const char* name, const QString& text);
  // Adds a row to the input column: the label (or selector) left of a new field.
  QLineEdit* AddField(QWidget* label, const char* name, const std::string& text);
  // Runs `handler` after the focus has left `field` for another control of the
  // window. Losing the focus to another window (a message box among them) is
  // not leaving the field, so a message shown by the handler cannot re-run it.
  void OnLostFocus(QLineEdit* field, std::function<void()> handler);
  // The check on leaving a length field: a message for a length of zero or
  // below, or for text that is not a number. Nothing else changes.
  void CheckLength(const QLineEdit& field);
  // Tab order: down the input column, Calculate, Done, then `rest`, then the report.
  void ChainTabOrder(const std::vector<QWidget*>& rest);

  bool event(QEvent* event) override;

 private:
  WindowSet& windows_;
  std::unique_ptr<MessageSink> ownMessages_;
  MessageSink* messages_;
  QVBoxLayout* root_ = nullptr;
  QGridLayout* column_ = nullptr;
  std::vector<QWidget*> columnOrder_;
};

}  // namespace dorix
