#pragma once

#include <thread>

// Runs fontconfig's own start, reading its configuration files and font
// caches, on a thread of its own while the application connects to the
// display. Every program that shows text pays for that start; done beside
// QApplication's, it keeps off the path to the first window on screen.
// Create it before the QApplication and call finish() once that exists,
// before any text is laid out.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits for the start to be over, so Qt's font database finds it done.
    void finish();

private:
    std::thread m_thread;
};

