#include "HelpBrowser.h"

#include <QFileInfo>
#include <QPixmap>

#include "Palette.h"

namespace balance3 {

// The page's style colours its headings and notes, and its pictures are drawn
// on white: the background, the text and the links all come from here, never
// half from the theme.
HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, palette::kHelpPage.background);
  colours.setColor(QPalette::Text, palette::kHelpPage.text);
  setPalette(colours);
  // The HTML reader colours links from the application's palette, not the
  // browser's.
  document()->setDefaultStyleSheet(QString("a { color: %1; }").arg(palette::kHelpLink.name()));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1) {
    const QFileInfo picture(source().resolved(name).toLocalFile());
    QPixmap sharper;
    if (sharper.load(picture.path() + "/" + picture.completeBaseName() + "@2x." +
                     picture.suffix())) {
      sharper.setDevicePixelRatio(2);
      return sharper;
    }
  }
  return QTextBrowser::loadResource(type, name);
}

}  // namespace balance3
