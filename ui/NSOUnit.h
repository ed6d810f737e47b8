#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The warning dialog: the one way the program tells the user of a problem.
// Created once, hidden, and shown modally for every message.
class TNSOForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNSOForm(QWidget* parent = nullptr);

  // Shows `text` and returns when the user has closed the dialog. Asked
  // while the dialog is already open (from the help window over it), it only
  // changes the text of the open dialog.
  void ShowWarning(const QString& text);

 signals:
  // F1: the help window over the dialog; returns when it has been closed.
  void helpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* Label1;
  QPushButton* Button1;
};
