#pragma once

#include <QTextEdit>

namespace balance3 {

// The maker's information strip at the top of the main window: three centred
// lines; any mouse press on it opens the maker's web site.
class InfoStrip : public QTextEdit {
  Q_OBJECT

 public:
  explicit InfoStrip(QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace balance3
