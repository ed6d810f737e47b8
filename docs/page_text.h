#pragma once

#include <QRegularExpression>
#include <QString>

namespace balance3::help {

// Rewrites every match of `pattern` in `text` with what `replace` makes of it.
template <typename Replace>
QString ReplaceEach(const QString& text, const QRegularExpression& pattern, Replace replace) {
  QString result;
  qsizetype done = 0;
  for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
    result += QStringView(text).mid(done, match.capturedStart() - done);
    result += replace(match);
    done = match.capturedEnd();
  }
  result += QStringView(text).mid(done);
  return result;
}

}  // namespace balance3::help
