#include "platform/images.h"

#include <QImage>
#include <QImageReader>

namespace platform {

QList<QImage> readImages(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    QList<QImage> images;
    for (int i = 0, count = qMax(1, reader.imageCount()); i < count; ++i) {
        if (i > 0 && !reader.jumpToNextImage())
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            images.append(image);
    }
    return images;
}

} // namespace platform
