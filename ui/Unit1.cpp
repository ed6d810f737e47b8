#include "Unit1.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "CommandButton.h"
#include "FieldEdit.h"
#include "InfoStrip.h"
#include "KeyPreview.h"
#include "Look.h"
#include "Placement.h"
#include "Pictures.h"
#include "ResultLabel.h"
#include "WindowHints.h"
#include "format.h"
#include "messages.h"

using namespace balance3;

namespace {

constexpr int kClientWidth = 868;

struct Band {
  const char* name;
  int height;
  const palette::Colours& colours;
  const palette::Colours& tag;
  const char* caption;
  int run;  // -1 for the result group
};

const Band kBands[] = {
    {"GroupBox1", 108, palette::kRunBand, palette::kRunTag, "Run0 (initial)", 0},
    {"GroupBox2", 107, palette::kRunBand, palette::kRunTag, "Run1 (Trial weight in Plane1)", 1},
    {"GroupBox3", 107, palette::kRunBand, palette::kRunTag, "Run2 (Trial weight in Plane2)", 2},
    {"GroupBox5", 108, palette::kRunBand, palette::kRunTag, "Run3 (Trial weight in Plane3)", 3},
    {"GroupBox4", 105, palette::kResultBand, palette::kResultTag, "Result", -1},
};

// One column per plane, the same in every group.
struct Column {
  int tagLeft;
  int captionLeft, captionWidth;
  int valueLeft, valueWidth;
};
constexpr Column kColumns[kPlanes] = {
    {101, 18, 103, 121, 107},
    {397, 316, 102, 418, 108},
    {696, 613, 102, 715, 108},
};
constexpr int kTagTop = 18;
// Row 0 holds amplitudes (masses in the result group), row 1 phases (angles).
constexpr int kRowTop[2] = {32, 70};
constexpr int kRowHeight = 30;

int Row(Quantity quantity) { return static_cast<int>(quantity); }

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

// Control names are the window's own business: users' scripts find the
// controls by them, the calculation knows fields only by their place.
QString FieldName(FieldPlace place) {
  return QString("Edit%1%2%3")
      .arg(place.quantity == Quantity::Amplitude ? 'V' : 'F')
      .arg(place.plane + 1)
      .arg(place.run);
}
constexpr const char* kResultLabels[kResultCount] = {
    "LabelM1", "LabelM2", "LabelM3", "LabelF1", "LabelF2", "LabelF3"};

// Tab order inside a run group.
constexpr struct {
  int plane;
  Quantity quantity;
} kGroupTabOrder[] = {{0, Quantity::Amplitude}, {1, Quantity::Amplitude},
                      {0, Quantity::Phase},     {1, Quantity::Phase},
                      {2, Quantity::Amplitude}, {2, Quantity::Phase}};

constexpr KeyCommand<TForm1> kKeys[] = {
    {Qt::Key_F1, [](TForm1& form) { form.Button3Click(); }},
    {Qt::Key_F8, [](TForm1& form) { form.Button2Click(); }},
    {Qt::Key_F9, [](TForm1& form) { form.Button1Click(); }},
    {Qt::Key_F10, [](TForm1& form) { form.close(); }},
};

const QString kNoData = QString::fromUtf8("н.д.");

QString FromView(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string_view View(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

QLabel* FixedLabel(const QString& text, QRect geometry, QFont font, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  SetColours(label, palette::kCaption);
  label->setGeometry(geometry);
  return label;
}

void PlaneTag(int plane, const palette::Colours& colours, QWidget* parent) {
  auto* tag = new QLabel(QString("plane%1").arg(plane + 1), parent);
  tag->setFont(Arial(12));
  SetColours(tag, colours);
  tag->adjustSize();
  tag->move(kColumns[plane].tagLeft, kTagTop);
  tag->setAccessibleName(QString("Plane %1").arg(plane + 1));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Balancing calculator for 3 planes of correction");
  IconOnShowing(this, PaintRisingSun);
  PaintBeforeMapping(this);
  setFont(Arial(11));
  SetColours(this, palette::kMainWindow);

  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  redt1 = new InfoStrip(content);
  redt1->setObjectName("redt1");
  layout->addWidget(redt1);
  for (int band = 0; band < int(std::size(kBands)); ++band) {
    layout->addWidget(CreateGroup(band, content));
  }
  layout->addWidget(CreateButtonRow(content));
  layout->addStretch();
  content->setMinimumSize(kClientWidth, content->sizeHint().height());

  // The bands have fixed heights and the controls fixed places: when the
  // window system gives the window less than that (a scaled desktop on a
  // small screen), the content scrolls instead of being cut off.
  scroller_ = new QScrollArea(this);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);  // not a stop in the tab order
  scroller_->setWidgetResizable(true);     // the bands stretch with the window
  scroller_->setWidget(content);
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->addWidget(scroller_);

  SetTabOrder();
  // A window larger than the screen would hide its own scroll bars.
  resize(content->minimumSize());
  FitOnScreen(this);
  CenterOnScreen(this);
  Button1->setFocus();
  // Held by the scroll area, not the window: the window's own destruction
  // moves the focus, when it is a TForm1 no longer.
  connect(qApp, &QApplication::focusChanged, scroller_,
          [scroller = scroller_](QWidget*, QWidget* now) { ShowWhole(scroller, now); });
  qApp->installEventFilter(this);
}

QWidget* TForm1::CreateGroup(int index, QWidget* parent) {
  const Band& band = kBands[index];
  auto* group = new QGroupBox(band.caption, parent);
  group->setObjectName(band.name);
  group->setStyle(DesignStyle());
  group->setFont(Arial(15, true));
  SetColours(group, band.colours);
  group->setFixedHeight(band.height);
  for (int plane = 0; plane < kPlanes; ++plane) {
    for (int row = 0; row < 2; ++row) {
      if (band.run < 0) {
        AddResultCell(group, plane, row);
      } else {
        AddField(group, {plane, band.run, static_cast<Quantity>(row)});
      }
    }
    PlaneTag(plane, band.tag, group);
  }
  return group;
}

void TForm1::AddField(QWidget* group, FieldPlace place) {
  const Column& column = kColumns[place.plane];
  const int row = Row(place.quantity);
  const QString caption = place.quantity == Quantity::Amplitude
                              ? QString("Vo%1, unit").arg(place.plane + 1)
                              : QString("Fo%1,degr.").arg(place.plane + 1);
  QLabel* label = FixedLabel(caption, CaptionRect(column, row), Arial(20), group);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAccessibleName(QString("Plane %1 %2").arg(place.plane + 1).arg(kFieldQuantity[row]));

  const int index = FieldIndex(place);
  auto* field = new FieldEdit(FromView(kDefaultTexts[index]), group);
  field->setObjectName(FieldName(place));
  fields_[index] = field;
  field->setAccessibleName(QString("Run %1, plane %2, %3")
                               .arg(place.run)
                               .arg(place.plane + 1)
                               .arg(kFieldQuantity[row]));
  // In the words the warnings use, so that a screen-reader user can match the two.
  field->setAccessibleDescription(QString::fromStdString(FieldWords(place)));
  field->setFont(Arial(20, true));
  field->setGeometry(ValueRect(column, row));
  label->setBuddy(field);
}

void TForm1::AddResultCell(QWidget* group, int plane, int row) {
  const Column& column = kColumns[plane];
  const QString caption = row == 0 ? QString::fromUtf8(" М%1, %").arg(plane + 1)
                                   : QString(" F%1,degr.").arg(plane + 1);
  FixedLabel(caption, CaptionRect(column, row), Arial(20, true), group)
      ->setAccessibleName(QString("Plane %1 %2").arg(plane + 1).arg(kResultQuantity[row]));

  const QString what = QString("Result, plane %1, %2").arg(plane + 1).arg(kResultQuantity[row]);
  auto* value = new ResultLabel(what, Arial(20), group);
  SetColours(value, palette::kResultValue);
  value->setGeometry(ValueRect(column, row));
  const int index = row * kPlanes + plane;
  value->setObjectName(kResultLabels[index]);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->showResult(kNoData);
  results_[index] = value;
}

QWidget* TForm1::CreateButtonRow(QWidget* parent) {
  auto* row = new QWidget(parent);
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
    *b.button = CommandButton(b.name, b.caption, b.accessibleName, QRect(b.left, 20, 183, 49), row);
    (*b.button)->setFont(Arial(20, true));
    connect(*b.button, &QPushButton::clicked, this, b.command);
  }
  return row;
}

void TForm1::SetTabOrder() {
  std::vector<QWidget*> order{Button1};
  const auto addGroup = [&](int run) {
    for (const auto& [plane, quantity] : kGroupTabOrder) {
      order.push_back(fields_[FieldIndex({plane, run, quantity})]);
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

void TForm1::showEvent(QShowEvent* event) {
  SetTrialReferences(calculatorState_, 100.0);
  QWidget::showEvent(event);
}

void TForm1::Button1Click() {
  std::array<QString, kFieldCount> texts;
  FieldTexts views;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    texts[i] = fields_[i]->text();
    views[i] = View(texts[i]);
  }
  const QString separator = QLocale::system().decimalPoint();
  const CalculationOutcome outcome = Calculate(views, View(separator), calculatorState_);
  // Each warning is modal: the next comes up only when the user has closed
  // the one before.
  for (const Warning& warning : outcome.warnings) {
    emit warningRequested(QString::fromStdString(WarningText(warning)));
  }
  if (!outcome.corrections) return;
  const ResultTexts shown = FormatResults(*outcome.corrections, View(separator));
  for (std::size_t k = 0; k < results_.size(); ++k) {
    results_[k]->showResult(QString::fromStdU16String(shown[k]));
  }
}

void TForm1::Button2Click() {
  for (QLineEdit* field : fields_) field->setText("0");
  for (ResultLabel* result : results_) result->showResult("0");
}

void TForm1::Button3Click() { emit helpRequested(); }

// The scroll area itself brings only a field's text cursor into view; the
// user wants to see the whole field, and the whole button.
void TForm1::ShowWhole(QScrollArea* scroller, QWidget* control) {
  if (!control || !scroller->widget()->isAncestorOf(control)) return;
  const QPoint centre = control->mapTo(scroller->widget(), control->rect().center());
  scroller->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 8,
                          control->height() / 2 + 8);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  return PreviewKeys(*this, watched, event, kKeys) || QWidget::eventFilter(watched, event);
}
