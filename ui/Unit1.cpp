#include "Unit1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include "FitText.h"
#include "FocusMark.h"
#include "KeyPreview.h"
#include "Look.h"
#include "NSOUnit.h"
#include "Pictures.h"
#include "UnitAbout.h"

namespace {

constexpr int kClientWidth = 868;

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRunGreen(0x83, 0xE0, 0x93);
const QColor kCaptionYellow(0xFF, 0xFF, 0xA6);

constexpr const char* kSiteToolTip = "https://kelvaro.example/";
constexpr const char* kOrderAddress = "https://kelvaro.example/order/";

struct Band {
  const char* name;
  int height;
  QColor colour;
  const char* caption;
  int run;  // -1 for the result group
};

const Band kBands[] = {
    {"GroupBox1", 108, kRunGreen, "Run0 (initial)", 0},
    {"GroupBox2", 107, kRunGreen, "Run1 (Trial weight in Plane1)", 1},
    {"GroupBox3", 107, kRunGreen, "Run2 (Trial weight in Plane2)", 2},
    {"GroupBox5", 108, kRunGreen, "Run3 (Trial weight in Plane3)", 3},
    {"GroupBox4", 105, QColor(0xF7, 0xC2, 0x6A), "Result", -1},
};

// One column per plane, the same in every group.
struct Column {
  int tagLeft;
  int captionLeft, captionWidth;
  int valueLeft, valueWidth;
};
constexpr Column kColumns[balance3::kPlanes] = {
    {101, 18, 103, 121, 107},
    {397, 316, 102, 418, 108},
    {696, 613, 102, 715, 108},
};
constexpr int kTagTop = 18;
constexpr int kRowTop[2] = {32, 70};  // amplitude (mass) row, phase (angle) row
constexpr int kRowHeight = 30;
constexpr int kValuePixelSize = 20;

QRect CaptionRect(const Column& column, int row) {
  return {column.captionLeft, kRowTop[row], column.captionWidth, kRowHeight};
}
QRect ValueRect(const Column& column, int row) {
  return {column.valueLeft, kRowTop[row], column.valueWidth, kRowHeight};
}

// What each row holds, in words for screen readers.
constexpr const char* kFieldQuantity[2] = {"amplitude", "phase in degrees"};
constexpr const char* kResultQuantity[2] = {"mass in percent of the trial weight",
                                            "angle in degrees"};

// Default texts [run][plane]: amplitude, phase. A real job with known results.
constexpr const char* kDefaults[balance3::kRuns][balance3::kPlanes][2] = {
    {{"7,2", "238"}, {"13,5", "296"}, {"3,5", "128"}},
    {{"4,9", "114"}, {"9,2", "347"}, {"2,7", "251"}},
    {{"4,0", "79"}, {"12,0", "292"}, {"6,3", "396"}},
    {{"8,2", "123"}, {"9,7", "231"}, {"9,5", "43"}},
};

// Tab order inside a run group: {plane, row}.
constexpr int kGroupTabOrder[6][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {2, 1}};

const QString kNoData = QString::fromUtf8("н.д.");

std::u16string_view View(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// Where a field stands in reading order; its name comes from the same table.
std::size_t FieldIndex(int plane, int run, int row) {
  for (std::size_t i = 0; i < balance3::kFields.size(); ++i) {
    const balance3::FieldSpec& entry = balance3::kFields[i];
    if (entry.sensor == plane && entry.run == run && entry.phase == (row == 1)) return i;
  }
  Q_UNREACHABLE();
}

QLabel* FixedLabel(const QString& text, QRect geometry, QFont font,
                   const QColor& background, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  SetBackground(label, background);
  label->setGeometry(geometry);
  return label;
}

void PlaneTag(int plane, const QColor& background, QWidget* parent) {
  auto* tag = new QLabel(QString("plane%1").arg(plane + 1), parent);
  tag->setFont(Arial(12));
  SetBackground(tag, background);
  tag->adjustSize();
  tag->move(kColumns[plane].tagLeft, kTagTop);
  tag->setAccessibleName(QString("Plane %1").arg(plane + 1));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Balancing calculator for 3 planes of correction");
  setWindowIcon(pictures::PaintedIcon(pictures::PaintRisingSun));
  setFont(Arial(11));
  SetBackground(this, kSilver);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(CreateStrip());
  for (int band = 0; band < int(std::size(kBands)); ++band) {
    layout->addWidget(CreateGroup(band));
  }
  layout->addWidget(CreateButtonRow());
  layout->addStretch();

  SetTabOrder();
  setMinimumSize(kClientWidth, sizeHint().height());
  resize(minimumSize());
  CenterOnScreen(this);
  Button1->setFocus();
  qApp->installEventFilter(this);
}

QWidget* TForm1::CreateStrip() {
  redt1 = new QTextEdit(this);
  redt1->setObjectName("redt1");
  redt1->setReadOnly(true);
  redt1->setFrameStyle(QFrame::NoFrame);
  redt1->setTabChangesFocus(true);
  redt1->setContextMenuPolicy(Qt::NoContextMenu);  // every button press opens the site
  // A press is a link, not the start of a selection: a double-click would
  // otherwise leave a word highlighted.
  redt1->setTextInteractionFlags(Qt::NoTextInteraction);
  redt1->setFixedHeight(83);
  redt1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  redt1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font = Arial(21, true);
  font.setUnderline(true);
  redt1->setFont(font);
  QPalette palette = redt1->palette();
  palette.setColor(QPalette::Base, QColor(0xCF, 0xEE, 0xFE));
  palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0xFF));
  redt1->setPalette(palette);
  redt1->setHtml(
      "<p align=center style='margin:0'>&quot;Kelvaro OU&quot; - Portable field balancer.</p>"
      "<p align=center style='margin:0'>Order a two-channel portable balancer for field work.</p>"
      "<p align=center style='margin:0'>Order a balancing kit with sensors and a phase tachometer.</p>");
  redt1->setToolTip(kSiteToolTip);
  redt1->setAccessibleName("Maker's information; press to open the maker's web site");
  redt1->viewport()->setCursor(Qt::PointingHandCursor);
  FocusMark::Attach(redt1);
  return redt1;
}

QWidget* TForm1::CreateGroup(int index) {
  const Band& band = kBands[index];
  auto* group = new QGroupBox(band.caption, this);
  group->setObjectName(band.name);
  group->setFont(Arial(15, true));
  SetBackground(group, band.colour);
  group->setFixedHeight(band.height);
  for (int plane = 0; plane < balance3::kPlanes; ++plane) {
    for (int row = 0; row < 2; ++row) {
      if (band.run < 0) {
        AddResultCell(group, plane, row);
      } else {
        AddField(group, band.run, plane, row);
      }
    }
    PlaneTag(plane, band.run < 0 ? QColor(0xED, 0xCB, 0x70) : QColor(0x00, 0xFF, 0x00), group);
  }
  return group;
}

void TForm1::AddField(QWidget* group, int run, int plane, int row) {
  const Column& column = kColumns[plane];
  const QString caption = row == 0 ? QString("Vo%1, unit").arg(plane + 1)
                                   : QString("Fo%1,degr.").arg(plane + 1);
  QLabel* label = FixedLabel(caption, CaptionRect(column, row), Arial(20), kCaptionYellow, group);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAccessibleName(QString("Plane %1 %2").arg(plane + 1).arg(kFieldQuantity[row]));

  const std::size_t index = FieldIndex(plane, run, row);
  auto* field = new QLineEdit(kDefaults[run][plane][row], group);
  field->setObjectName(balance3::kFields[index].name);
  fields_[index] = field;
  field->setAccessibleName(
      QString("Run %1, plane %2, %3").arg(run).arg(plane + 1).arg(kFieldQuantity[row]));
  field->setFont(Arial(20, true));
  field->setGeometry(ValueRect(column, row));
  label->setBuddy(field);
}

void TForm1::AddResultCell(QWidget* group, int plane, int row) {
  const Column& column = kColumns[plane];
  const QString caption = row == 0 ? QString::fromUtf8(" М%1, %").arg(plane + 1)
                                   : QString(" F%1,degr.").arg(plane + 1);
  FixedLabel(caption, CaptionRect(column, row), Arial(20, true), kCaptionYellow, group)
      ->setAccessibleName(QString("Plane %1 %2").arg(plane + 1).arg(kResultQuantity[row]));

  QLabel* value =
      FixedLabel(kNoData, ValueRect(column, row), Arial(kValuePixelSize), kRunGreen, group);
  const int index = row * balance3::kPlanes + plane;
  value->setObjectName(balance3::kResultLabels[index]);
  value->setAccessibleName(
      QString("Result, plane %1, %2").arg(plane + 1).arg(kResultQuantity[row]));
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  results_[index] = value;
}

QWidget* TForm1::CreateButtonRow() {
  auto* row = new QWidget(this);
  row->setFixedHeight(20 + 49 + 20);
  const struct {
    QPushButton** button;
    const char* name;
    int left;
    const char* caption;
    const char* accessibleName;
    void (TForm1::*command)();
  } buttons[] = {
      {&Button2, "Button2", 39, "F8 - Clear", "Clear all fields and results, F8", &TForm1::Button2Click},
      {&Button1, "Button1", 336, "F9 - Calculate", "Calculate the correction, F9", &TForm1::Button1Click},
      {&Button3, "Button3", 628, "F1 - Help", "Help, F1", &TForm1::Button3Click},
  };
  for (const auto& b : buttons) {
    *b.button = new QPushButton(b.caption, row);
    (*b.button)->setObjectName(b.name);
    (*b.button)->setAccessibleName(b.accessibleName);
    (*b.button)->setFont(Arial(20, true));
    (*b.button)->setGeometry(b.left, 20, 183, 49);
    connect(*b.button, &QPushButton::clicked, this, b.command);
    FocusMark::Attach(*b.button);
  }
  return row;
}

void TForm1::SetTabOrder() {
  std::vector<QWidget*> order{Button1};
  const auto addGroup = [&](int run) {
    for (const auto& [plane, row] : kGroupTabOrder) {
      order.push_back(fields_[FieldIndex(plane, run, row)]);
    }
  };
  addGroup(0);
  addGroup(1);
  addGroup(2);
  order.push_back(Button2);
  order.push_back(Button3);
  addGroup(3);
  order.push_back(redt1);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::setWindows(TNSOForm* warning, TFormAbout* help) {
  warning_ = warning;
  help_ = help;
}

void TForm1::showEvent(QShowEvent* event) {
  calculation_.SetTrialReferences(100.0);
  QWidget::showEvent(event);
}

void TForm1::Button1Click() {
  std::array<QString, balance3::kFieldCount> texts;
  balance3::FieldTexts views;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    texts[i] = fields_[i]->text();
    views[i] = View(texts[i]);
  }
  const QString separator = QLocale::system().decimalPoint();
  const auto labels = calculation_.Calculate(
      views, View(separator),
      [this](const std::string& message) {
        warning_->ShowWarning(QString::fromStdString(message));
      });
  if (!labels) return;
  for (std::size_t k = 0; k < results_.size(); ++k) {
    ShowFitted(results_[k], QString::fromStdU16String((*labels)[k]), kValuePixelSize);
  }
}

void TForm1::Button2Click() {
  for (QLineEdit* field : fields_) field->setText("0");
  for (QLabel* result : results_) ShowFitted(result, "0", kValuePixelSize);
}

void TForm1::Button3Click() {
  if (help_) help_->Help();
}

bool TForm1::HandleStripMouse(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // the second press of a double-click
      // Whether a browser opened is the desktop's business; nothing to report.
      QDesktopServices::openUrl(QUrl(kOrderAddress));
      return false;
    default:
      return false;
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == redt1->viewport()) return HandleStripMouse(event);

  if (event->type() == QEvent::FocusIn) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    const bool byUser = reason == Qt::TabFocusReason ||
                        reason == Qt::BacktabFocusReason ||
                        reason == Qt::MouseFocusReason;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (byUser && field && field->window() == this) field->clear();
    return false;
  }

  QKeyEvent* key = keypreview::KeyFor(this, watched, event);
  if (!key) return QWidget::eventFilter(watched, event);
  if (key->type() == QEvent::KeyPress) {
    switch (key->key()) {
      case Qt::Key_F1:
        Button3Click();
        return true;
      case Qt::Key_F8:
        Button2Click();
        return true;
      case Qt::Key_F9:
        Button1Click();
        return true;
      case Qt::Key_F10:
        close();
        return true;
      default:
        break;
    }
  }
  return keypreview::HandleSharedKeys(watched, key);
}
