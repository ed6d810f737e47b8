#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

#include "WindowHints.h"
#include "X11.h"

namespace balance3 {

namespace {

// Qt's 32-bit images are laid out as the server stores a pixel of a 24- or
// 32-bit window where it keeps 32 bits per pixel, lowest byte first, as X
// servers on PCs do. Elsewhere the window goes without its picture.
bool StoresAsQtDoes(xcb_connection_t* connection, uint8_t depth) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  if ((depth != 24 && depth != 32) || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
    return false;
  }
  for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
       xcb_format_next(&format)) {
    if (format.data->depth == depth) return format.data->bits_per_pixel == 32;
  }
  return false;
}

void SetBackground(xcb_connection_t* connection, xcb_window_t window, xcb_pixmap_t pixmap) {
  const uint32_t value = pixmap;
  xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXMAP, &value);
}

void SetBackgroundPicture(xcb_connection_t* connection, xcb_window_t window,
                          const QImage& picture) {
  const Owned<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
      &std::free);
  if (!geometry || !StoresAsQtDoes(connection, geometry->depth)) return;
  const uint8_t depth = geometry->depth;
  const QImage image = picture.convertToFormat(
      depth == 32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  const xcb_pixmap_t pixmap = xcb_generate_id(connection);
  xcb_create_pixmap(connection, depth, pixmap, window, image.width(), image.height());
  const xcb_gcontext_t gc = xcb_generate_id(connection);
  xcb_create_gc(connection, gc, pixmap, 0, nullptr);
  // A request is at most the server's maximum length: the picture goes in
  // bands of whole rows.
  const uint32_t room =
      xcb_get_maximum_request_length(connection) * 4 - sizeof(xcb_put_image_request_t);
  const int rows = std::max<int>(1, room / image.bytesPerLine());
  for (int top = 0; top < image.height(); top += rows) {
    const int band = std::min(rows, image.height() - top);
    xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, image.width(), band, 0, top,
                  0, depth, band * image.bytesPerLine(), image.constScanLine(top));
  }
  xcb_free_gc(connection, gc);
  SetBackground(connection, window, pixmap);
  xcb_free_pixmap(connection, pixmap);  // the server keeps it while it is the background
}

class Painter : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit Painter(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }
  ~Painter() override { qApp->removeNativeEventFilter(this); }

  // The show event comes once the native window exists and before it is
  // mapped; a dialog gets a new native window at each showing.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || event->type() != QEvent::Show) return false;
    xcb_connection_t* connection = X11Connection();
    if (!connection) return false;
    SetBackgroundPicture(connection, xcb_window_t(window_->winId()), window_->grab().toImage());
    qApp->installNativeEventFilter(this);
    return false;
  }

  // The server draws the background before it reports the first exposure.
  // From then on Qt paints: a later exposure (a dialog closed over the
  // window) must not show the picture of an earlier showing. Qt's own
  // exposure event does not tell: Qt sends one already when the window is
  // mapped, which may be before the window manager has mapped the frame
  // that makes it visible.
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_EXPOSE ||
        reinterpret_cast<const xcb_expose_event_t*>(event)->window != window_->winId()) {
      return false;
    }
    SetBackground(X11Connection(), xcb_window_t(window_->winId()), XCB_BACK_PIXMAP_NONE);
    qApp->removeNativeEventFilter(this);
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void PaintBeforeMapping(QWidget* window) { new Painter(window); }

}  // namespace balance3
