#include "HelpBrowser.h"

#include <QFileInfo>
#include <QPixmap>

namespace balance3 {

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
