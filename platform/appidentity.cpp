#include "platform/appidentity.h"

namespace platform {

QString applicationTitle()
{
    return QStringLiteral("Mixora");
}

} // namespace platform
