#pragma once

#include <QWidget>
#include <array>

#include "calculation.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class TFormAbout;
class TNSOForm;

// The calculator's main window: 24 measurement fields, the result panel, the
// three commands and the maker's information strip.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // The other two windows are created after this one; start-up hands them
  // over once they exist.
  void setWindows(TNSOForm* warning, TFormAbout* help);

  void Button1Click();  // Calculate
  void Button2Click();  // Clear
  void Button3Click();  // Help

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* CreateStrip();
  QWidget* CreateGroup(int band);
  void AddField(QWidget* group, int run, int plane, int row);
  void AddResultCell(QWidget* group, int plane, int row);
  QWidget* CreateButtonRow();
  void SetTabOrder();
  bool HandleStripMouse(QEvent* event);

  std::array<QLineEdit*, balance3::kFieldCount> fields_{};  // in reading order
  std::array<QLabel*, balance3::kResultCount> results_{};   // in writing order
  QTextEdit* redt1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

  balance3::Calculation calculation_;
  TNSOForm* warning_ = nullptr;
  TFormAbout* help_ = nullptr;
};
