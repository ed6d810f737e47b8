#pragma once

#include <QLabel>

namespace balance3 {

// One of the six result labels. A screen reader reads a label's accessible
// name instead of its text, so the name carries the text with it: what the
// label is, then what it shows now.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  // `what` says which result this is, in words.
  ResultLabel(const QString& what, const QString& text, QWidget* parent);

  // Shows `text`; assistive technology is told of the new name.
  void showResult(const QString& text);

 private:
  QString what_;
};

}  // namespace balance3
