#include "platform/fontsetup.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(fontconfig)
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

#if QT_CONFIG(fontconfig)
FontSetUp::FontSetUp()
    : m_thread([] { FcInit(); })
{
}
#else
// Other platforms' font databases have no such start to run early.
FontSetUp::FontSetUp() = default;
#endif

FontSetUp::~FontSetUp()
{
    finish();
}

void FontSetUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform
