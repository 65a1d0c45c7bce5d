// SPDX-License-Identifier: MIT
#include "ui_test_support.h"

#include <QMessageBox>
#include <QWidget>

#include "core/props/property_file.h"

namespace dorix::testing_support {

void UiTestCase::init() {
  Module1 = Module1State{};
  SetStartupState();
  const LoadResult loaded = LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store);
  QVERIFY2(loaded.ok, loaded.message.c_str());
  messages.messages.clear();

  unexpectedModals_.clear();
  modalWatch_.setInterval(20);
  connect(&modalWatch_, &QTimer::timeout, this, &UiTestCase::CloseUnexpectedModal,
          Qt::UniqueConnection);
  modalWatch_.start();
}

void UiTestCase::cleanup() {
  modalWatch_.stop();
  windows_.reset();
  QVERIFY2(unexpectedModals_.isEmpty(),
           qPrintable("unexpected modal dialog: " + unexpectedModals_.join(" | ")));
}

void UiTestCase::CloseUnexpectedModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal->property(kExpectedModal).toBool()) return;
  QString seen = modal->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) seen += ": " + box->text();
  unexpectedModals_ << seen;
  modal->close();
}

WindowSet& UiTestCase::Windows() {
  if (!windows_) windows_ = std::make_unique<WindowSet>(&messages);
  return *windows_;
}

CalculatorWindow& UiTestCase::Open(const QString& name) {
  WindowSet& set = Windows();
  CalculatorWindow& window = name == "frmCVW"  ? static_cast<CalculatorWindow&>(set.frmCVW())
                             : name == "frmHT" ? static_cast<CalculatorWindow&>(set.frmHT())
                                               : set.frmEVW();
  // Records a failure without leaving the test, which then fails as well.
  QTest::qVerify(ShowAndActivate(window), "ShowAndActivate", "", __FILE__, __LINE__);
  return window;
}

QStringList UiTestCase::Shown() const {
  QStringList texts;
  for (const std::string& text : messages.messages) texts << QString::fromStdString(text);
  return texts;
}

QString Calculate(CalculatorWindow& window) {
  QTest::mouseClick(window.cmdCalc, Qt::LeftButton);
  return window.txtOutput->Text();
}

void Type(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> texts) {
  for (const auto& [name, text] : texts) window.findChild<QLineEdit*>(name)->setText(text);
}

bool ShowAndActivate(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

void MoveFocus(QWidget& from, QWidget& to) {
  from.setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  to.setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

}  // namespace dorix::testing_support
