#include "InfoStrip.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>

#include "FocusMark.h"
#include "Look.h"

namespace balance3 {
namespace {

constexpr const char* kSiteToolTip = "https://kelvaro.example/";
constexpr const char* kOrderAddress = "https://kelvaro.example/order/";

void OpenOrderPage() {
  // Whether a browser opened is the desktop's business; nothing to report.
  QDesktopServices::openUrl(QUrl(kOrderAddress));
}

}  // namespace

InfoStrip::InfoStrip(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setFrameStyle(QFrame::NoFrame);
  setTabChangesFocus(true);
  setContextMenuPolicy(Qt::NoContextMenu);  // every button press opens the site
  // A press is a link, not the start of a selection: a double-click would
  // otherwise leave a word highlighted, and a drag would select text.
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFixedHeight(83);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font = Arial(21, true);
  font.setUnderline(true);
  setFont(font);
  // The text is drawn on the viewport's base colour; the focus mark, on the
  // strip itself, takes the window-text colour.
  QPalette colours = palette();
  colours.setColor(QPalette::Base, palette::kInfoStrip.background);
  colours.setColor(QPalette::Text, palette::kInfoStrip.text);
  colours.setColor(QPalette::WindowText, palette::kInfoStrip.text);
  setPalette(colours);
  setHtml(
      "<p align=center style='margin:0'>&quot;Kelvaro OU&quot; - Portable field balancer.</p>"
      "<p align=center style='margin:0'>Order a two-channel portable balancer for field work.</p>"
      "<p align=center style='margin:0'>Order a balancing kit with sensors and a phase tachometer.</p>");
  setToolTip(kSiteToolTip);
  setAccessibleName("Maker's information; press to open the maker's web site");
  // Without a description of its own, assistive technology would read the
  // tooltip, which names the other address.
  setAccessibleDescription(QString("Opens %1").arg(kOrderAddress));
  viewport()->setCursor(Qt::PointingHandCursor);
  FocusMark::Attach(this);
}

void InfoStrip::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) OpenOrderPage();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void InfoStrip::mousePressEvent(QMouseEvent* event) {
  OpenOrderPage();
  QTextEdit::mousePressEvent(event);
}

// The second press of a double-click comes as a double-click, and it is a
// press like any other.
void InfoStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  OpenOrderPage();
  QTextEdit::mouseDoubleClickEvent(event);
}

}  // namespace balance3
