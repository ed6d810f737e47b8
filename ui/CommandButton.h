#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace balance3 {

// A command button as the windows' designs have it: named for users' scripts
// and for screen readers, at its fixed place, with the focus mark that
// keyboard users need. Its font and its part in a dialog's Enter key are the
// window's own.
QPushButton* CommandButton(const char* name, const QString& caption,
                           const QString& accessibleName, QRect geometry, QWidget* parent);

}  // namespace balance3
