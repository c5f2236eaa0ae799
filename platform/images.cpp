#include "platform/images.h"

#include <QImage>

#include "assets/mixora-16.xpm"
#include "assets/mixora-32.xpm"

namespace platform {

QImage programImage(int size)
{
    return QImage(size <= 16 ? mixora_16_xpm : mixora_32_xpm);
}

} // namespace platform
