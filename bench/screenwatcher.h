#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <map>
#include <optional>
#include <sys/types.h>

// Watches an X display from outside the programs under test: when each new
// top-level window is mapped and when its whole area is first painted, and
// how much memory the program had used by then. It also presses the pointer
// button on a window, as a person would. Meant for a display of its own with
// no window manager, where every top-level window is a child of the root.
class ScreenWatcher
{
public:
    using Clock = std::chrono::steady_clock;

    struct Shown
    {
        xcb_window_t window = XCB_NONE;
        Clock::time_point mapped;
        Clock::time_point painted;
        long peakKb = 0; // VmHWM of the program when the window was painted
        int width = 0;
        int height = 0;
    };

    ScreenWatcher();
    ~ScreenWatcher();
    ScreenWatcher(const ScreenWatcher &) = delete;
    ScreenWatcher &operator=(const ScreenWatcher &) = delete;

    // The next window that `pid` maps and paints whole, once it has kept its
    // size for `settle`; nothing if that takes longer than `timeout`.
    std::optional<Shown> waitForWindow(pid_t pid, std::chrono::milliseconds timeout,
                                       std::chrono::milliseconds settle);

    // Goes on watching for `span`, so that the program has answered what it was sent.
    void idle(pid_t pid, std::chrono::milliseconds span);

    // Moves the pointer to (x, y) within `window` and lets the program see it.
    void pointAt(xcb_window_t window, int x, int y);
    // Presses and releases the first button where the pointer is.
    void click();

    // Forgets every window seen so far (between programs).
    void forgetWindows();

private:
    struct Tracked
    {
        xcb_rectangle_t painted = {0, 0, 0, 0}; // bounding box since the last resize
        uint16_t width = 0;
        uint16_t height = 0;
        bool reported = false;
        std::optional<Clock::time_point> mapped;
        std::optional<Clock::time_point> paintedAt;
        long peakKb = 0;
    };

    void handle(xcb_generic_event_t *event, pid_t pid);
    void track(xcb_window_t window, uint16_t width, uint16_t height);
    void damaged(const struct xcb_damage_notify_event_t &event, pid_t pid);
    bool pump(Clock::time_point until, pid_t pid);
    // The first window painted and not yet reported, if any.
    std::map<xcb_window_t, Tracked>::iterator candidate();

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    uint8_t m_damageEvent = 0;
    std::map<xcb_window_t, Tracked> m_windows;
};

// The program's peak resident size so far, in kB (0 once it has gone).
long peakResidentKb(pid_t pid);
