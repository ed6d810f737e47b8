#include "Fonts.h"

namespace balance3 {

QFont Arial(int pixelSize, bool bold) {
  QFont font("Arial");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace balance3
