#pragma once

#include <QTextEdit>

namespace balance3 {

// The maker's information strip at the top of the main window: three centred
// lines; any mouse press on it opens the maker's web site, and so do Return
// and Enter while it has the focus.
class InfoStrip : public QTextEdit {
  Q_OBJECT

 public:
  explicit InfoStrip(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace balance3
