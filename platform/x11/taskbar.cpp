// X11 (xcb) only.
#include "platform/x11/taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#endif

namespace platform {

#if QT_CONFIG(xcb)
namespace {

// The atoms of the names, asked for together: one round trip to the server,
// not one per name, on the way to the window's first frame.
template <size_t Count>
std::array<xcb_atom_t, Count> internAtoms(xcb_connection_t *connection, const std::array<const char *, Count> &names)
{
    std::array<xcb_intern_atom_cookie_t, Count> cookies;
    for (size_t i = 0; i < Count; ++i)
        cookies[i] = xcb_intern_atom(connection, false, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, Count> atoms;
    for (size_t i = 0; i < Count; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    return atoms;
}

} // namespace

void keepOffTaskbar(QWidget *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Other platforms, the offscreen one among them, may answer without a connection.
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto handle = static_cast<xcb_window_t>(window->winId());
    // Before the window is mapped the state is a plain property, which Qt
    // keeps when it adds its own states at map time.
    const std::array<xcb_atom_t, 3> atoms = internAtoms<3>(
        connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, handle, atoms[0], XCB_ATOM_ATOM, 32, 2, &atoms[1]);
    xcb_flush(connection);
}

#endif

} // namespace platform
