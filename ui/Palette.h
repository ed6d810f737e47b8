#pragma once

#include <QColor>

// The windows' colours, by role. The design fixes these backgrounds, so each
// comes with its text colour: a desktop theme, dark ones included, changes
// only what it paints itself (fields, buttons, scroll bars, tooltips).
namespace balance3::palette {

struct Colours {
  QColor background;
  QColor text;
};

inline const QColor kBlack(0x00, 0x00, 0x00);

inline const Colours kMainWindow{QColor(0xC0, 0xC0, 0xC0), kBlack};  // silver, under the buttons
inline const Colours kInfoStrip{QColor(0xCF, 0xEE, 0xFE), QColor(0x00, 0x00, 0xFF)};
inline const Colours kRunBand{QColor(0x83, 0xE0, 0x93), kBlack};
inline const Colours kResultBand{QColor(0xF7, 0xC2, 0x6A), kBlack};
inline const Colours kCaption{QColor(0xFF, 0xFF, 0xA6), kBlack};
inline const Colours kResultValue{kRunBand.background, kBlack};
inline const Colours kRunTag{QColor(0x00, 0xFF, 0x00), kBlack};
inline const Colours kResultTag{QColor(0xED, 0xCB, 0x70), kBlack};
inline const Colours kWarning{QColor(0xE1, 0xE1, 0xE1), kBlack};
inline const Colours kWarningMessage{QColor(0xE8, 0xE8, 0xE8), kBlack};
inline const Colours kButtonPanel{QColor(0xAB, 0xCC, 0xF3), kBlack};  // the help window's
// The help page keeps a light look whatever the theme: its pictures are
// drawn on white, and its style colours headings and notes for white.
inline const Colours kHelpPage{QColor(0xFF, 0xFF, 0xFF), kBlack};
inline const QColor kHelpLink(0x00, 0x00, 0xFF);

}  // namespace balance3::palette
