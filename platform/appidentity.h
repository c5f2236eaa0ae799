#pragma once

#include <QString>

namespace platform {

// The program's title: the main window's caption and every message box's.
inline QString applicationTitle()
{
    return QStringLiteral("Mixora");
}

} // namespace platform
