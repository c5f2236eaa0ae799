#pragma once

#include <QList>
#include <QString>

class QImage;

namespace platform {

// Every image in one of the program's own image files, read with the format
// named rather than guessed, which spares start-up the loading of every
// image plugin Qt would otherwise probe.
QList<QImage> readImages(const QString &path, const char *format);

} // namespace platform
