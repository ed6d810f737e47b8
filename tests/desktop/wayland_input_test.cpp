#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <optional>

#include "AppWindows.h"
#include "Script.h"

namespace {

constexpr char kService[] = "org.gnome.Mutter.RemoteDesktop";
constexpr uint kShift = 0xffe1, kF1 = 0xffbe, kF10 = 0xffc7, kEscape = 0xff1b;  // X keysyms
constexpr int kLeftButton = 0x110;  // BTN_LEFT

// Real keys and pointer through mutter's remote-desktop interface: the
// compositor sees them as a user's, and decides which window they go to.
class RemoteInput {
 public:
  bool Start() {
    QDBusInterface desktop(kService, "/org/gnome/Mutter/RemoteDesktop", kService);
    // The compositor claims its name on the bus a moment after its socket.
    QDBusReply<QDBusObjectPath> path;
    if (!QTest::qWaitFor([&] { return (path = desktop.call("CreateSession")).isValid(); }, 5000)) {
      return false;
    }
    session_ = std::make_unique<QDBusInterface>(kService, path.value().path(),
                                                QString(kService) + ".Session");
    if (!session_->call("Start").errorMessage().isEmpty()) return false;
    Key(kShift);  // a new session can lose its first key
    return true;
  }
  void Key(uint keysym) {
    for (bool down : {true, false}) session_->call("NotifyKeyboardKeysym", keysym, down);
  }
  void Button(bool down) { session_->call("NotifyPointerButton", kLeftButton, down); }
  // The pointer moves only by steps: a stream of the screen is needed for
  // places.
  void MoveBy(QPoint step) {
    session_->call("NotifyPointerMotionRelative", double(step.x()), double(step.y()));
  }
  // The middle of the screen, which the main window covers wherever the
  // compositor puts it: first to the corner, where the pointer stops.
  void ToMiddle() {
    MoveBy({-5000, -5000});
    MoveBy({640, 512});
  }

 private:
  std::unique_ptr<QDBusInterface> session_;
};

// Where the pointer stands over a window, from the window's own events.
class PointerWatch : public QObject {
 public:
  explicit PointerWatch(QWindow* window) { window->installEventFilter(this); }
  std::optional<QPoint> at;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
      at = static_cast<QSinglePointEvent*>(event)->position().toPoint();
    }
    return false;
  }
};

// Whether a window of ours has the keyboard, as the compositor told Qt.
bool HasKeys(const QWidget& window) {
  return window.windowHandle() && QGuiApplication::focusWindow() == window.windowHandle();
}

}  // namespace

// The windows under a Wayland compositor, driven by real input. The
// compositor lets a click give the keyboard to the window beneath a modal
// one unless it knows that window is blocked.
class WaylandInputTest : public QObject {
  Q_OBJECT

 private slots:
  void clickOnTheMainWindowLeavesTheKeysWithHelp() {
    RemoteInput input;
    QVERIFY2(input.Start(), "no remote-desktop session from the compositor");
    AppWindows windows;
    // Filling the screen, so that its bottom lies on it wherever the
    // compositor would have put the window: mutter may place a window that
    // grows after its first frame partly below the screen.
    windows.form1.showMaximized();
    PointerWatch pointer(windows.form1.windowHandle());
    // Near the bottom, where no window of ours covers the main window.
    const auto beneathHelp = [&] {
      const QSize size = windows.form1.size();
      return QRect(size.width() / 4, size.height() - 16, size.width() / 2, 14);
    };
    QElapsedTimer sinceClick;
    bool mainHadKeys = false;
    Script script;
    script
        .then("the main window has the keys", [&] { return HasKeys(windows.form1); },
              [&] { input.ToMiddle(); })
        // Moved again while it is off the mark, and now and then when it
        // stands still: the compositor accelerates the pointer, a step may
        // cross the motion of the one before, and the window may still be
        // resized.
        .then("the pointer beneath help's place",
              [&, last = std::optional<QPoint>(), polls = 0]() mutable {
                if (!pointer.at) {
                  if (++polls % 20 == 0) input.ToMiddle();
                  return false;
                }
                if (beneathHelp().contains(*pointer.at)) return true;
                if (++polls % 60 == 0) {
                  input.ToMiddle();  // stuck: from the middle again
                } else if (pointer.at != last || polls % 20 == 0) {
                  input.MoveBy(beneathHelp().center() - *pointer.at);
                }
                last = pointer.at;
                return false;
              },
              [&] { input.Key(kF1); })
        .then("help has the keys", [&] { return HasKeys(windows.formAbout); },
              [&] {
                QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &pointer,
                                 [&](QWindow* window) {
                                   mainHadKeys |= window == windows.form1.windowHandle();
                                 });
                input.Button(true);
                sinceClick.start();
              })
        // Released once the press has given the main window the keyboard, as
        // a hand's press lasts longer than the window's answer to it; a
        // request to the compositor on behalf of the window counts only
        // while its button is down. A compositor that knows help is modal
        // (Qt 6.8 tells it) keeps the keyboard with help.
        .then("the main window took the keys, or not",
              [&] { return mainHadKeys || sinceClick.elapsed() > 2000; },
              [&] {
                input.Button(false);
                sinceClick.start();
              })
        // The compositor hands the keyboard back in turn.
        .then("the click handled", [&] { return sinceClick.elapsed() > 500; },
              [&] { input.Key(kF10); })
        .then("F10 closed help", [&] { return !windows.formAbout.isVisible(); }, [] {});
    // Steps wait longer than elsewhere: the compositor shares the machine
    // with the other tests.
    const QString failure = script.run(10000);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
  }
  // Qt's own title bar minimises a window as this does; GNOME then refuses
  // it the keyboard back.
  void warningMinimisedByItsTitleBarComesBackWithTheKeys() {
    RemoteInput input;
    QVERIFY2(input.Start(), "no remote-desktop session from the compositor");
    AppWindows windows;
    windows.form1.show();
    bool warningLeft = false;  // the keyboard, once minimised
    Script script;
    script
        .then("the main window has the keys", [&] { return HasKeys(windows.form1); },
              [&] {
                QTimer::singleShot(0, [&] { windows.nsoForm.ShowWarning("Incorrect trial weight"); });
              })
        .then("the warning has the keys", [&] { return HasKeys(windows.nsoForm); },
              [&] {
                QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &windows.nsoForm,
                                 [&](QWindow* window) { warningLeft |= window != windows.nsoForm.windowHandle(); });
                windows.nsoForm.windowHandle()->setWindowStates(Qt::WindowMinimized);
              })
        .then("the warning has the keys again",
              [&] { return warningLeft && HasKeys(windows.nsoForm); },
              [&] { input.Key(kEscape); })
        .then("Esc closed the warning", [&] { return !windows.nsoForm.isVisible(); }, [] {});
    const QString failure = script.run();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
  }
};

QTEST_MAIN(WaylandInputTest)
#include "wayland_input_test.moc"
