#pragma once

class QImage;

namespace platform {

// The program's artwork in 16 colours with transparency, 16 or 32 pixels
// square: the same pixels as the icon files in assets/, compiled in, so
// start-up reads no file and loads no image plugin for them.
QImage programImage(int size);

} // namespace platform
