#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// While it lives, receives the addresses of one scheme that the program hands
// to the desktop, instead of a browser or viewer starting.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  explicit UrlRecorder(const QString& scheme) : scheme_(scheme) {
    QDesktopServices::setUrlHandler(scheme_, this, "open");
  }
  ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(scheme_); }

  QList<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls << url; }

 private:
  QString scheme_;
};
