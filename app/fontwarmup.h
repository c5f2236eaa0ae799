#pragma once

#include <thread>

// Runs fontconfig's own start (its configuration and caches) on a thread of
// its own while the application connects to the display, off the path to
// the first window on screen; where Qt's fonts are fontconfig's. Create it
// before the QApplication; call finish() once that exists, before any text
// is laid out.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp() { finish(); }
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits for the start to be over, so Qt's font database finds it done.
    void finish();

private:
    std::thread m_thread;
};
