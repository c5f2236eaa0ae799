#include "app/fontwarmup.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(fontconfig)
#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp()
    : m_thread([] { FcInit(); })
{
}
#else
// Other platforms' font databases have no such start to run early.
FontWarmUp::FontWarmUp() = default;
#endif

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}
