#pragma once

#include <QColor>

// The program's colours, by role: the windows', the painted symbols' and the
// help page's pictures'. The design fixes the windows' backgrounds, so each
// comes with its text colour: a desktop theme, dark ones included, changes
// only what it paints itself (fields, buttons, scroll bars, tooltips).
namespace balance3::palette {

struct Colours {
  QColor background;
  QColor text;
};

inline const QColor kBlack(0x00, 0x00, 0x00);
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
inline const QColor kSilver(0xC0, 0xC0, 0xC0);

inline const Colours kMainWindow{kSilver, kBlack};  // under the buttons
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
inline const Colours kHelpPage{kWhite, kBlack};
inline const QColor kHelpLink(0x00, 0x00, 0xFF);

// The page's own text, headings, table heads, table borders and notes: its
// style sheet takes them from here when the page is built, and its pictures
// label and rule in the same colours.
inline const QColor kPageText(0x1A, 0x1A, 0x1A);
inline const QColor kPageHeading(0x0B, 0x3D, 0x91);
inline const QColor kPageTableHead = kButtonPanel.background;
inline const QColor kPageRule(0x7A, 0x8C, 0xA6);
inline const QColor kPageNote(0xFF, 0xF6, 0xD5);
// The printed manual's own: its running footer and page references, and the
// ground of its command listings.
inline const QColor kPageAside(0x55, 0x55, 0x55);
inline const QColor kPageListing(0xF2, 0xF4, 0xF7);

// The painted symbols' colours, which the help page's pictures share: the
// planes come in the sign's red and the ground's green, the rotor in the
// gear's steel.
inline const QColor kSteel(0xB8, 0xB8, 0xB8);        // lit
inline const QColor kSteelShade(0x60, 0x60, 0x60);   // turned from the light
inline const QColor kSteelShine(0xEE, 0xEE, 0xEE);   // where the light glints
inline const QColor kSteelEdge(0x40, 0x40, 0x40);    // the gear's outline
inline const QColor kSignRed(0xC0, 0x00, 0x00);      // the warning sign, in shade
inline const QColor kSignRedLit(0xFF, 0x50, 0x50);   // the warning sign, lit; a lamp
inline const QColor kSignShadow(0x80, 0x80, 0x80);   // the warning sign's, on silver
inline const QColor kGroundGreen(0x1C, 0x70, 0x24);  // the rising sun's ground, in shade
inline const QColor kGroundGreenLit(0x3C, 0xB0, 0x3C);  // the same at the horizon
inline const QColor kSkyHigh(0x1E, 0x5B, 0xC6);      // the rising sun's sky, overhead
inline const QColor kSkyLow(0x7F, 0xB8, 0xF0);       // the same at the horizon
inline const QColor kSun(0xFF, 0xE0, 0x1A);
inline const QColor kSunRay(0xFF, 0xD4, 0x00);
inline const QColor kInstrument(0x44, 0x44, 0x44);   // a sensor's or tachometer's body

// The help page's pictures' own: the machine's parts that no symbol shows.
inline const QColor kHub(0x90, 0x90, 0x90);          // a disc's shaft seen end-on
inline const QColor kDiscFaceLit(0xD8, 0xD8, 0xD8);  // a plane seen from the side
inline const QColor kDiscFaceShade(0x98, 0x98, 0x98);
inline const QColor kBearing(0x9C, 0xA6, 0xB4);      // a bearing's housing
inline const QColor kFloor(0xE4, 0xE9, 0xF0);        // what the machine stands on

}  // namespace balance3::palette
