#pragma once

class QLabel;
class QString;

// Shows `text` whole in `label`: a text wider than the label at
// `pixelSize` gets the largest smaller size at which it fits, and the full
// text as the label's tooltip. A label cut off at one end would show a
// wrong number with no sign of it.
void ShowFitted(QLabel* label, const QString& text, int pixelSize);
