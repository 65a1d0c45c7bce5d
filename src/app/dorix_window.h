#pragma once

#include <QWidget>
#include <array>

class QPushButton;

namespace dorix {

// The main menu: one button per problem and "E X I T".
class DorixWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DorixWindow(QWidget* parent = nullptr);

  std::array<QPushButton*, 3> cmdDorix{};
  QPushButton* Command1 = nullptr;

 public slots:
  void cmdDorix_Click(int index);
  void Command1_Click();

 protected:
  // Closing the menu with the frame's close control ends the program, as "E X I T" does.
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace dorix
