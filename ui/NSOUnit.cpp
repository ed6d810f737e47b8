#include "NSOUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "FocusMark.h"
#include "KeyPreview.h"
#include "Look.h"
#include "ExecOver.h"
#include "Placement.h"
#include "Pictures.h"
#include "WindowHints.h"

using namespace balance3;

namespace {

// Client area of a 318 x 160 window with the usual frame and title bar.
constexpr QSize kClientSize(304, 122);
constexpr int kLabelHeight = 17;

constexpr KeyCommand<TNSOForm> kKeys[] = {
    {Qt::Key_Escape, [](TNSOForm& form) { form.reject(); }},
    {Qt::Key_Insert, [](TNSOForm& form) { form.reject(); }},
    {Qt::Key_F10, [](TNSOForm& form) { form.reject(); }},
    {Qt::Key_F1, [](TNSOForm& form) { emit form.helpRequested(); }},
};

}  // namespace

TNSOForm::TNSOForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("NSOForm");
  setWindowTitle("Warning !!!");
  IconOnShowing(this, PaintGear);
  PaintBeforeMapping(this);
  setFont(Arial(11));
  SetColours(this, palette::kWarning);
  resize(kClientSize);

  Label1 = new QLabel("Set correct coefficients!", this);
  Label1->setObjectName("Label1");
  Label1->setAccessibleDescription("Warning message");
  Label1->setFont(Arial(15, true));
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetColours(Label1, palette::kWarningMessage);
  Label1->setGeometry(0, 0, width(), kLabelHeight);

  auto* image = new PictureBox(PaintWarningSign, QSize(84, 66), this);
  image->setObjectName("Image2");
  image->setAccessibleName("Warning sign");
  image->setGeometry(115, 23, 70, 50);

  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setAccessibleName("OK, close the warning");
  Button1->setGeometry(107, 85, 81, 27);
  Button1->setDefault(true);
  FocusMark::Attach(Button1);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  qApp->installEventFilter(this);
}

void TNSOForm::ShowWarning(const QString& text) {
  Label1->setText(text);
  // A screen reader announces the dialog by its title and description.
  setAccessibleDescription(text);
  if (isVisible()) return;  // the open dialog now shows the new text
  // Window managers offer minimise and maximise on the dialog whatever it
  // asks for, and a hidden window keeps the size it was maximised to: each
  // showing starts afresh at the designed size.
  setWindowState(Qt::WindowNoState);
  resize(kClientSize);
  CenterOnScreen(this);
  Button1->setFocus();
  ExecOver(this);
}

void TNSOForm::resizeEvent(QResizeEvent* event) {
  Label1->resize(width(), kLabelHeight);
  QDialog::resizeEvent(event);
}

bool TNSOForm::eventFilter(QObject* watched, QEvent* event) {
  return PreviewKeys(*this, watched, event, kKeys) || QDialog::eventFilter(watched, event);
}
