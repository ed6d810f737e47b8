#pragma once

#include <QFont>

namespace balance3 {

// The windows' and the pictures' fonts are Arial at character heights in
// pixels.
QFont Arial(int pixelSize, bool bold = false);

}  // namespace balance3
