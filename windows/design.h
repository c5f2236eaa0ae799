#pragma once

#include <QtGlobal>

class QFont;
class QIcon;
class QImage;

// What the fixed forms (the splash and the calculators) were drawn with.

// Their face, at a size and weight: Arial on Windows, as drawn, and
// Liberation Sans, metric-compatible with it, elsewhere; asked for by its own
// name, which the font database finds at once.
QFont designFont(qreal pointSize, bool bold = false);

// Their texts' font, chosen so that every caption fits the layouts measured
// in twips; menu bar and prompts keep the desktop's.
QFont dialogFont();

// The program's artwork, 16 or 32 pixels square in 16 colours: the icon
// files' pixels compiled in, so start-up reads no file and loads no plugin.
QImage programImage(int size);

// The program icon, in every size it is drawn at.
QIcon applicationIcon();
