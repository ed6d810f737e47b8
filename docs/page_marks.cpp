#include "page_marks.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <stdexcept>

namespace balance3::help {
namespace {

QHash<QString, QString> MarkValues(const PageFacts& facts) {
  QHash<QString, QString> values;
  for (int k = 0; k < kPlanes; ++k) {
    values[QString("plane%1.mass").arg(k + 1)] = AsShown(facts.example[k].mass);
    values[QString("plane%1.angle").arg(k + 1)] = AsShown(facts.example[k].angle);
  }
  values["holes"] = QString::number(360 / facts.holePitch);
  values["pitch"] = QString::number(facts.holePitch);
  values["hole1.angle"] = QString::number(facts.split.first.angle);
  values["hole1.mass"] = AsShown(facts.split.first.mass);
  values["hole2.angle"] = QString::number(facts.split.second.angle);
  values["hole2.mass"] = AsShown(facts.split.second.mass);
  return values;
}

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

QString FillMarks(const QString& page, const PageFacts& facts) {
  static const QRegularExpression mark(R"(\{\{([a-z0-9.]+)\}\})");
  const QHash<QString, QString> values = MarkValues(facts);
  const QString filled = ReplaceEach(page, mark, [&](const QRegularExpressionMatch& match) {
    const auto value = values.constFind(match.captured(1));
    if (value == values.cend()) {
      throw std::runtime_error("unknown mark " + match.captured(0).toStdString());
    }
    return *value;
  });
  if (filled.contains("{{")) throw std::runtime_error("a mark is misspelt: {{ without a name");
  return filled;
}

QString SizePictures(const QString& page) {
  static const QRegularExpression image(R"(<img src="([^"]+)\.png")");
  QSet<QString> unused;
  for (const Picture& picture : kPictures) unused << picture.name;
  const QString sized = ReplaceEach(page, image, [&](const QRegularExpressionMatch& match) {
    for (const Picture& picture : kPictures) {
      if (match.captured(1) != picture.name) continue;
      unused.remove(picture.name);
      return QString("%1 width=\"%2\" height=\"%3\"")
          .arg(match.captured(0))
          .arg(picture.size.width())
          .arg(picture.size.height());
    }
    throw std::runtime_error("no picture " + match.captured(1).toStdString());
  });
  if (!unused.isEmpty()) {
    throw std::runtime_error("the page leaves out " + unused.values().join(", ").toStdString());
  }
  return sized;
}

}  // namespace

QString FillPage(const QString& source, const PageFacts& facts) {
  return SizePictures(FillMarks(source, facts));
}

}  // namespace balance3::help
