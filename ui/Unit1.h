#pragma once

#include <QWidget>
#include <array>

#include "calculation.h"

class QLineEdit;
class QPushButton;
class QScrollArea;

namespace balance3 {
class ResultLabel;
}

// The window classes live outside the project's namespace: users' scripts and
// accessibility tools know them by these class names.

// The calculator's main window: 24 measurement fields, the result panel, the
// three commands and the maker's information strip.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  void Button1Click();  // Calculate
  void Button2Click();  // Clear
  void Button3Click();  // Help

 signals:
  // Each returns only when the user has closed the window it asks for.
  void warningRequested(const QString& message);
  void helpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* CreateGroup(int band, QWidget* parent);
  void AddField(QWidget* group, balance3::FieldPlace place);
  void AddResultCell(QWidget* group, int plane, int row);
  QWidget* CreateButtonRow(QWidget* parent);
  void SetTabOrder();
  static void ShowWhole(QScrollArea* scroller, QWidget* control);

  std::array<QLineEdit*, balance3::kFieldCount> fields_{};  // in reading order
  std::array<balance3::ResultLabel*, balance3::kResultCount> results_{};  // in writing order
  QScrollArea* scroller_ = nullptr;
  QWidget* redt1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

  balance3::CalculatorState calculatorState_;
};
