#include "bench/screenwatcher.h"

#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> owned(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

} // namespace

long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

ScreenWatcher::ScreenWatcher()
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot open the display named by DISPLAY");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
    if (!damage || !damage->present || !xtest || !xtest->present)
        throw std::runtime_error("the display lacks the DAMAGE or XTEST extension");
    m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The extension answers nothing before its version is agreed.
    free(xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr));

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

ScreenWatcher::~ScreenWatcher()
{
    xcb_disconnect(m_connection);
}

void ScreenWatcher::forgetWindows()
{
    m_windows.clear();
}

void ScreenWatcher::track(xcb_window_t window, uint16_t width, uint16_t height)
{
    // Damage is watched from the window's creation, long before its first paint.
    xcb_damage_create(m_connection, xcb_generate_id(m_connection), window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(m_connection);
    Tracked &tracked = m_windows[window];
    tracked.width = width;
    tracked.height = height;
}

void ScreenWatcher::damaged(const xcb_damage_notify_event_t &event, pid_t pid)
{
    auto found = m_windows.find(event.drawable);
    if (found == m_windows.end() || !found->second.mapped || found->second.paintedAt)
        return;
    Tracked &tracked = found->second;
    xcb_rectangle_t &box = tracked.painted;
    if (box.width == 0) {
        box = event.area;
    } else {
        const int left = std::min(box.x, event.area.x);
        const int top = std::min(box.y, event.area.y);
        const int right = std::max(box.x + box.width, event.area.x + event.area.width);
        const int bottom = std::max(box.y + box.height, event.area.y + event.area.height);
        box = {int16_t(left), int16_t(top), uint16_t(right - left), uint16_t(bottom - top)};
    }
    if (box.x <= 0 && box.y <= 0 && box.x + box.width >= tracked.width && box.y + box.height >= tracked.height) {
        tracked.paintedAt = Clock::now();
        tracked.peakKb = peakResidentKb(pid);
    }
}

void ScreenWatcher::handle(xcb_generic_event_t *event, pid_t pid)
{
    const uint8_t type = event->response_type & 0x7f;
    if (type == m_damageEvent) {
        damaged(*reinterpret_cast<xcb_damage_notify_event_t *>(event), pid);
    } else if (type == XCB_CREATE_NOTIFY) {
        const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
        if (created->parent == m_root)
            track(created->window, created->width, created->height);
    } else if (type == XCB_MAP_NOTIFY) {
        auto found = m_windows.find(reinterpret_cast<xcb_map_notify_event_t *>(event)->window);
        if (found != m_windows.end() && !found->second.mapped)
            found->second.mapped = Clock::now();
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        const auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(event);
        auto found = m_windows.find(configured->window);
        if (found == m_windows.end())
            return;
        Tracked &tracked = found->second;
        if (tracked.width != configured->width || tracked.height != configured->height) {
            // A frame at the old size is not what the person ends up seeing.
            tracked.width = configured->width;
            tracked.height = configured->height;
            tracked.painted = {0, 0, 0, 0};
            tracked.paintedAt.reset();
        }
    }
}

bool ScreenWatcher::pump(Clock::time_point until, pid_t pid)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    pollfd connection = {xcb_get_file_descriptor(m_connection), POLLIN, 0};
    poll(&connection, 1, std::max<int>(0, int(left.count())));
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        handle(event, pid);
        free(event);
    }
    return !xcb_connection_has_error(m_connection);
}

std::map<xcb_window_t, ScreenWatcher::Tracked>::iterator ScreenWatcher::candidate()
{
    return std::find_if(m_windows.begin(), m_windows.end(),
                        [](const auto &entry) { return !entry.second.reported && entry.second.paintedAt; });
}

std::optional<ScreenWatcher::Shown> ScreenWatcher::waitForWindow(pid_t pid, std::chrono::milliseconds timeout,
                                                                 std::chrono::milliseconds settle)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        const auto found = candidate();
        const bool painted = found != m_windows.end();
        if (painted && Clock::now() >= *found->second.paintedAt + settle) {
            Tracked &tracked = found->second;
            tracked.reported = true;
            return Shown{found->first, *tracked.mapped, *tracked.paintedAt, tracked.peakKb, tracked.width,
                         tracked.height};
        }
        const Clock::time_point until = painted ? *found->second.paintedAt + settle : deadline;
        if (!pump(std::min(until, deadline), pid))
            return std::nullopt;
    }
    return std::nullopt;
}

void ScreenWatcher::idle(pid_t pid, std::chrono::milliseconds span)
{
    const Clock::time_point until = Clock::now() + span;
    while (Clock::now() < until && pump(until, pid)) {
    }
}

void ScreenWatcher::pointAt(xcb_window_t window, int x, int y)
{
    auto place = owned(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, m_root, int16_t(x), int16_t(y)), nullptr));
    if (!place)
        return;
    xcb_test_fake_input(m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, place->dst_x, place->dst_y, 0);
    xcb_flush(m_connection);
}

void ScreenWatcher::click()
{
    xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(m_connection);
}
