#pragma once

#include <QLabel>

namespace balance3 {

// One of the six result labels. It never shows part of a number: a text too
// wide for it at the designed font gets the largest smaller size at which it
// fits, and the whole text as tooltip; the label refits whenever its text or
// its width changes. A screen reader reads a label's accessible name instead
// of its text, so the name carries the text with it: what the label is, then
// what it shows now.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  // `what` says which result this is, in words. `designed` may give its size
  // in points or in pixels.
  ResultLabel(const QString& what, const QFont& designed, QWidget* parent);

  // Shows `text`; assistive technology is told of the new name.
  void showResult(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();

  QString what_;
  QFont designed_;
};

}  // namespace balance3
