// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11windowmanager.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <QByteArray>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include "platform/x11/x11screen.h"

namespace {

constexpr uint32_t kMaxSupported = 1024; // atoms a window manager lists as supported

using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

// A property's 32-bit items of the given type; none where the window or the property is missing.
PropertyReply property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    xcb_generic_error_t *error = nullptr;
    PropertyReply reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, false, window, name, type, 0, kMaxSupported), &error),
        &std::free);
    std::free(error);
    if (reply && (reply->format != 32 || reply->type != type))
        reply.reset();
    return reply;
}

// The window that the property names, or none.
xcb_window_t namedWindow(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name)
{
    const PropertyReply reply = property(connection, window, name, XCB_ATOM_WINDOW);
    if (!reply || xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t)))
        return XCB_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
}

} // namespace

namespace X11WindowManager {

bool fillsFullScreen()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    const xcb_screen_t *screen = X11Screen::screenAt(connection, X11Screen::displayScreenNumber());
    const xcb_atom_t check = X11Screen::atom(connection, "_NET_SUPPORTING_WM_CHECK", true);
    const xcb_atom_t supported = X11Screen::atom(connection, "_NET_SUPPORTED", true);
    const xcb_atom_t fullScreen = X11Screen::atom(connection, "_NET_WM_STATE_FULLSCREEN", true);
    if (!screen || check == XCB_NONE || supported == XCB_NONE || fullScreen == XCB_NONE)
        return false;

    // A manager that ended leaves its property on the root behind; its own window says it still runs.
    const xcb_window_t managerWindow = namedWindow(connection, screen->root, check);
    if (managerWindow == XCB_NONE || namedWindow(connection, managerWindow, check) != managerWindow)
        return false;

    const PropertyReply atoms = property(connection, screen->root, supported, XCB_ATOM_ATOM);
    if (!atoms)
        return false;
    const auto *first = static_cast<const xcb_atom_t *>(xcb_get_property_value(atoms.get()));
    const auto *last = first + xcb_get_property_value_length(atoms.get()) / int(sizeof(xcb_atom_t));
    return std::find(first, last, fullScreen) != last;
}

} // namespace X11WindowManager

#else

namespace X11WindowManager {

bool fillsFullScreen()
{
    return true;
}

} // namespace X11WindowManager

#endif
