#include "UnitAbout.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "FocusMark.h"
#include "HelpBrowser.h"
#include "KeyPreview.h"
#include "Look.h"
#include "ExecOver.h"
#include "Pictures.h"
#include "Placement.h"

using namespace balance3;

namespace {

constexpr const char* kHelpPage = "vantrel.html";
constexpr const char* kManual = BALANCE3_MANUAL_NAME;
// Where the package installs the manual, from the program's folder.
constexpr const char* kInstalledManual = BALANCE3_MANUAL_FROM_PROGRAM "/" BALANCE3_MANUAL_NAME;

QWidget* Panel(QWidget* parent, int height) {
  auto* panel = new QWidget(parent);
  SetColours(panel, palette::kButtonPanel);
  panel->setFixedHeight(height);
  return panel;
}

QPushButton* PanelButton(const char* name, const char* caption, const char* accessibleName,
                         QRect geometry, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  button->setFont(Arial(20, true));
  button->setAutoDefault(false);
  button->setGeometry(geometry);
  FocusMark::Attach(button);
  return button;
}

// Qt hands a document to xdg-open, which says that no program opens it only
// in an exit status that Qt does not read: the manual would silently not
// open. xdg-mime names the program that xdg-open would start, so it is asked
// first; nothing named means no PDF viewer. Where it cannot answer, opening
// is tried, and without xdg-utils Qt's opening fails by itself.
bool NoPdfViewer() {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return false;
  QProcess query;
  query.start(xdgMime, {"query", "default", "application/pdf"});
  return query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
         query.exitCode() == 0 && query.readAllStandardOutput().trimmed().isEmpty();
}

constexpr KeyCommand<TFormAbout> kKeys[] = {
    {Qt::Key_F1, [](TFormAbout& form) { form.Button1Click(); }},
    {Qt::Key_F10, [](TFormAbout& form) { form.reject(); }},
    {Qt::Key_Escape, nullptr},  // a dialog would close on Esc; this window does not
};

}  // namespace

TFormAbout::TFormAbout(const QString& pagePath, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("FormAbout");
  setWindowTitle("About");
  IconOnShowing(this, PaintRisingSun);
  setFont(Arial(11));
  resize(888, 441);  // a 902 x 479 window with the usual frame

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(1);
  WebBrowser1 = new HelpBrowser(frame);
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->setAccessibleName("Help page");
  WebBrowser1->setFrameStyle(QFrame::NoFrame);
  WebBrowser1->setOpenExternalLinks(true);
  // Tab leaves the page for the buttons instead of walking through its links,
  // which a screen reader does not announce; the links still work with the
  // mouse, and the keys still scroll the page.
  WebBrowser1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->setContentsMargins(1, 1, 1, 1);
  frameLayout->addWidget(WebBrowser1);

  QWidget* bottom = Panel(this, 59);
  Button5 = PanelButton("Button5", "F10 - Exit", "Close the help, F10", QRect(3, 1, 179, 49), bottom);
  QWidget* right = Panel(bottom, 59);
  right->setFixedWidth(260);
  Button1 = PanelButton("Button1", "F1 - Manual", "Open the PDF manual, F1", QRect(53, 1, 199, 49), right);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addStretch();
  bottomLayout->addWidget(right);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(frame);
  layout->addWidget(bottom);

  connect(Button5, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button1, &QPushButton::clicked, this, &TFormAbout::Button1Click);
  qApp->installEventFilter(this);
  FormCreate(pagePath);
}

QString TFormAbout::HelpPagePath() {
  return QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() +
         QDir::separator() + kHelpPage;
}

// Reading the page would be a fifth of the start-up's work, and the page is
// seen only in this window: creation only names it, like a browser told where
// to go, and it is read once the main window is on the screen, but never past
// this window's showing.
void TFormAbout::FormCreate(const QString& pagePath) {
  pendingPage_ = pagePath;
  // The package installs the page beside the program: the page's folder is the program's.
  installedManual_ = QDir::cleanPath(QFileInfo(pagePath).dir().absoluteFilePath(kInstalledManual));
}

void TFormAbout::LoadPage() {
  if (!pendingPage_) return;
  const QString path = *std::exchange(pendingPage_, std::nullopt);
  if (!QFileInfo::exists(path)) {
    WebBrowser1->setPlainText(
        QString("The help page was not found at %1.").arg(QDir::toNativeSeparators(path)));
    return;
  }
  WebBrowser1->setSource(QUrl::fromLocalFile(path));
}

// Loaded while the window is still hidden, as at its creation: the browser
// shows a busy cursor while it loads into a visible window.
void TFormAbout::setVisible(bool visible) {
  if (visible) LoadPage();
  QDialog::setVisible(visible);
}

void TFormAbout::Help() {
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  // The first place is the window system's choice. Later showings get a new
  // native window, which Qt would put one frame's width off the old place:
  // the client area goes back where it was, or where the user moved it.
  if (lastPlace_.isValid()) setGeometry(lastPlace_);
  // A small or scaled screen may have less room than the designed size.
  FitOnScreen(this);
  ExecOver(this);
  lastPlace_ = geometry();
}

// A manual in the working directory comes first, as the shell would find it
// there; then the installed one, so that the manual opens however the
// program was started.
void TFormAbout::Button1Click() {
  QString path = QDir::current().absoluteFilePath(kManual);
  if (!QFileInfo::exists(path)) path = installedManual_;
  const bool opened = QFileInfo::exists(path) && !NoPdfViewer() &&
                      QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) emit warningRequested("Manual not found");
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && pendingPage_ && !pageQueued_) {
    pageQueued_ = true;
    // A window is painted whole in one go: the page comes after that.
    QTimer::singleShot(0, this, &TFormAbout::LoadPage);
  }
  return PreviewKeys(*this, watched, event, kKeys) || QDialog::eventFilter(watched, event);
}
