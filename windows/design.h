#pragma once

#include <QtGlobal>

class QFont;
class QIcon;
class QImage;

// What the fixed forms, the splash and the calculators, were drawn with: the
// face of their texts and the program's artwork.

// The face the forms' texts are set in, at a size and weight: Arial on
// Windows, one of the faces the layouts were drawn with ("MS Sans Serif" and
// "Arial"), and Liberation Sans, metric-compatible with it, elsewhere. Asked
// for by its own name, which the font database finds at once, where a
// substituted name is first looked for in vain.
QFont designFont(qreal pointSize, bool bold = false);

// The font of the forms laid out in twips. Their layouts were drawn for an
// 8 pt dialog font; this one is chosen so that every caption fits.
// Everything else (menu bar, prompts) keeps the desktop's.
QFont dialogFont();

// The program's artwork in 16 colours with transparency, 16 or 32 pixels
// square: the same pixels as the icon files in assets/, compiled in, so
// start-up reads no file and loads no image plugin for them.
QImage programImage(int size);

// The program icon, in every size it is drawn at.
QIcon applicationIcon();
