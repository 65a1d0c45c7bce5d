// SPDX-License-Identifier: MIT
#pragma once

// The suites' common includes: Qt Test, the windows and their controls.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>

#include "core/state/message_sink.h"
#include "core/state/module1.h"
#include "gui/ui/calculator_window.h"
#include "gui/ui/coefficient_panel.h"
#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/ui/window_set.h"
#include "gui/widgets/output_box.h"

class QWidget;

namespace dorix::testing_support {

// Dynamic property of a modal dialog that a test opens on purpose.
inline constexpr const char* kExpectedModal = "dorixExpectedModal";

// Base of the window test suites. Every test starts from the program's
// start-up state with the delivered property data loaded. A modal dialog that
// opens during a test is closed at once and fails the test, so a message box
// that bypasses the message interface can never hang the suite. Dialogs that
// carry the kExpectedModal property are left to the test.
class UiTestCase : public QObject {
  Q_OBJECT

 protected:
  // The test's windows, made on first use; they show their messages in
  // `messages`.
  WindowSet& Windows();
  // One of the three calculator windows by its object name, shown and active.
  CalculatorWindow& Open(const QString& name);
  QStringList Shown() const;

  MessageRecorder messages;

 private slots:
  void init();
  void cleanup();

 private:
  void CloseUnexpectedModal();

  std::unique_ptr<WindowSet> windows_;
  QTimer modalWatch_;
  QStringList unexpectedModals_;
};

// Presses Calculate and returns the report box's text.
QString Calculate(CalculatorWindow& window);

// Types texts into a window's line edits, given by object name.
void Type(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> texts);

// Shows a window and waits until it is the active window.
bool ShowAndActivate(QWidget& window);

// Moves the focus from one control to another as a mouse click would, and
// lets the window's lost-focus handlers run.
void MoveFocus(QWidget& from, QWidget& to);

}  // namespace dorix::testing_support
