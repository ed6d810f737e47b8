#pragma once

#include <QDialog>
#include <optional>

class QPushButton;
class QTextBrowser;

// The help window: the local help page in a browser, and the manual command.
// Created once, hidden. The page is loaded once the first window of the
// program has been painted, and in any case before this window is shown.
class TFormAbout : public QDialog {
  Q_OBJECT

 public:
  // Shows the page at `pagePath`: by default the help page beside the
  // program file.
  explicit TFormAbout(const QString& pagePath = HelpPagePath(),
                      QWidget* parent = nullptr);

  // Shows the window modally and returns when it has been closed. Asked while
  // it is already open (from the warning dialog over it), it only brings the
  // open window to the front.
  void Help();

  // Opens the manual from the working directory, or else the installed one,
  // in the desktop's viewer.
  void Button1Click();

  static QString HelpPagePath();

  void setVisible(bool visible) override;

 signals:
  // "Manual not found"; returns when the user has closed the warning.
  void warningRequested(const QString& message);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(const QString& pagePath);
  void LoadPage();

  QTextBrowser* WebBrowser1;
  QPushButton* Button1;
  QPushButton* Button5;
  QRect lastPlace_;  // client area at the last closing; none before the first
  std::optional<QString> pendingPage_;  // the page's path until it is loaded
  QString installedManual_;  // where the package puts the manual
  bool pageQueued_ = false;  // to be loaded once the paint under way is done
};
