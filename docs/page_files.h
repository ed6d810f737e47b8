#pragma once

#include <QFile>
#include <QString>
#include <stdexcept>

namespace balance3::help {

// The documentation tools stop at the first file they cannot read or write,
// so a broken build step never leaves a half-made page or manual behind
// unnoticed.
inline QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error("cannot read " + path.toStdString());
  }
  return QString::fromUtf8(file.readAll());
}

inline void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.flush()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace balance3::help
