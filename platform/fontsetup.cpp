#include "platform/fontsetup.h"

#include <fontconfig/fontconfig.h>

namespace platform {

FontSetUp::FontSetUp()
    : m_thread([] { FcInit(); })
{
}

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
