#include "page_marks.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <stdexcept>

#include "page_text.h"

namespace balance3::help {
namespace {

QString Fixed(double value, int decimals) {
  return QString::number(value, 'f', decimals).replace('.', ',');
}

// A share or fraction as the page writes it: shortest, with a decimal comma.
QString Plain(double value) { return QString::number(value).replace('.', ','); }

QString AsTyped(const Reading& reading) {
  return Fixed(reading.mass, 2) + " at " + Fixed(reading.angle, 0) + "°";
}

void AddResults(QHash<QString, QString>& values, const QString& prefix,
                const Corrections& results) {
  for (int k = 0; k < kPlanes; ++k) {
    const QString plane = QString("%1.plane%2.").arg(prefix).arg(k + 1);
    values[plane + "mass"] = AsShown(results[k].mass);
    values[plane + "angle"] = AsShown(results[k].angle);
  }
}

void AddTrim(QHash<QString, QString>& values, const PageFacts& facts) {
  const TrimExample& trim = facts.trim;
  values["trim.plane"] = QString::number(trim.plane + 1);
  values["trim.off"] = Fixed(trim.offDegrees, 0);
  values["trim.left.mass"] = AsShown(trim.left.mass);
  values["trim.left.angle"] = AsShown(trim.left.angle);
  AddResults(values, "trim", trim.trim);
  AddResults(values, "repeat", facts.repeat.results);
  for (int sensor = 0; sensor < kPlanes; ++sensor) {
    const QString s = QString(".s%1").arg(sensor + 1);
    values["check" + s] = AsTyped(trim.check[sensor]);
    values["repeat" + s] = AsTyped(facts.repeat.run0[sensor]);
    for (int run = 1; run < kRuns; ++run) {
      values[QString("trim.r%1").arg(run) + s] = AsTyped(trim.trialRuns[run - 1][sensor]);
    }
  }
  for (std::size_t i = 0; i < facts.angleErrors.size(); ++i) {
    const QString error = QString("error%1.").arg(i + 1);
    values[error + "degrees"] = Fixed(facts.angleErrors[i].degrees, 0);
    values[error + "left"] = Fixed(facts.angleErrors[i].left * 100, 0);
    values[error + "plane1"] = AsShown(facts.angleErrors[i].left * facts.example[0].mass);
  }
  values["lever.residual"] = Plain(facts.lever.residual);
  values["lever.at"] = Plain(facts.lever.planeAt);
  values["lever.onA"] = Plain(facts.lever.onA);
  values["lever.allowed"] = Plain(facts.lever.allowed);
}

void AddExample(QHash<QString, QString>& values, const PageFacts& facts) {
  for (int k = 0; k < kPlanes; ++k) {
    const QString plane = QString("plane%1.").arg(k + 1);
    values[plane + "mass"] = AsShown(facts.example[k].mass);
    values[plane + "angle"] = AsShown(facts.example[k].angle);
    values[plane + "grams"] = AsShown(facts.grams[k]);
    values[QString("moved.s%1").arg(k + 1)] = AsShown(facts.plane2Moved[k]);
    for (int run = 0; run < kRuns; ++run) {
      values[QString("r%1.s%2").arg(run).arg(k + 1)] =
          TypedReading(k, run, Quantity::Amplitude) + " at " +
          TypedReading(k, run, Quantity::Phase) + "°";
    }
  }
  // Run0's phase at sensor 1 as an instrument that shows -180° to +180° gives it.
  const double phase = TypedReading(0, 0, Quantity::Phase).toDouble();
  values["r0.s1.phase"] = Fixed(phase, 0);
  values["r0.s1.signed"] = Fixed(phase > 180 ? phase - 360 : phase, 0);
  values["trial.grams"] = Fixed(facts.trialGrams, 0);
  values["fit.radius"] = Fixed(facts.fitRadius, 0);
  values["fit.grams"] = AsShown(facts.gramsAtFit);
  values["left.mass"] = AsShown(facts.leftOn.mass);
  values["left.angle"] = AsShown(facts.leftOn.angle);
}

void AddSplit(QHash<QString, QString>& values, const PageFacts& facts) {
  values["holes"] = QString::number(360 / facts.holePitch);
  values["pitch"] = QString::number(facts.holePitch);
  values["hole1.angle"] = QString::number(facts.split.first.angle);
  values["hole1.mass"] = AsShown(facts.split.first.mass);
  values["hole2.angle"] = QString::number(facts.split.second.angle);
  values["hole2.mass"] = AsShown(facts.split.second.mass);
}

void AddRotor(QHash<QString, QString>& values, const PageFacts& facts) {
  values["rotor.mass"] = Fixed(facts.rotor.massKg, 0);
  values["rotor.rpm"] = Fixed(facts.rotor.rpm, 0);
  values["rotor.radius"] = Fixed(facts.rotor.radiusMm, 0);
  values["rotor.bearings"] = QString::number(facts.rotor.bearings);
  values["rotor.omega"] = Fixed(facts.omega, 1);
  values["rotor.load"] = Fixed(facts.load, 0);
  for (std::size_t i = 0; i < facts.trial.size(); ++i) {
    const QString trial = QString("trial%1.").arg(i + 1);
    values[trial + "share"] = Fixed(facts.trial[i].share * 100, 0);
    values[trial + "force"] = Fixed(facts.trial[i].force, 1);
    values[trial + "grams"] = Fixed(facts.trial[i].grams, 1);
  }
  for (std::size_t i = 0; i < facts.tolerances.size(); ++i) {
    const QString grade = QString("grade%1.").arg(i + 1);
    values[grade + "g"] = QString::number(facts.tolerances[i].grade).replace('.', ',');
    values[grade + "unbalance"] = Fixed(facts.tolerances[i].unbalance, 0);
    values[grade + "grams"] = Fixed(facts.tolerances[i].grams, 1);
    values[grade + "bearing"] = Fixed(facts.tolerances[i].perBearing, 0);
  }
}

QHash<QString, QString> MarkValues(const PageFacts& facts) {
  QHash<QString, QString> values;
  AddExample(values, facts);
  AddSplit(values, facts);
  AddRotor(values, facts);
  AddTrim(values, facts);
  return values;
}

QString FillMarks(const QString& page, const PageFacts& facts) {
  static const QRegularExpression mark(R"(\{\{([^{}]*)\}\})");
  const QHash<QString, QString> values = MarkValues(facts);
  const QString filled = ReplaceEach(page, mark, [&](const QRegularExpressionMatch& match) {
    const auto value = values.constFind(match.captured(1));
    if (value == values.cend()) {
      throw std::runtime_error("unknown mark " + match.captured(0).toStdString());
    }
    return *value;
  });
  const qsizetype open = filled.indexOf("{{");
  if (open >= 0) {
    throw std::runtime_error("a mark without its }}: " + filled.mid(open, 40).toStdString());
  }
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
