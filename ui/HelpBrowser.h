#pragma once

#include <QTextBrowser>

namespace balance3 {

// The help window's browser. QTextBrowser looks for a picture's sharper
// "name@2x.png" in the working directory instead of beside the page, so on a
// high-density screen it would show the page's pictures enlarged and blurred
// whenever the program is started from another folder; this one looks beside
// the page. The page keeps its light look under a dark desktop theme.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(QWidget* parent);

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace balance3
