// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11desktopwindows.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <QByteArray>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

#include "platform/x11/x11screen.h"

namespace {

constexpr uint32_t kMaxClients = 4096; // in 32-bit items of the client list
constexpr uint32_t kMaxAtoms = 64;     // states or types of one window
constexpr uint32_t kFrameExtents = 4;  // left, right, top, bottom

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

// A reply, or null where the request failed (a window that went away meanwhile); the error is
// dropped instead of reaching the toolkit's error report.
template <typename ReplyFunction, typename Cookie>
auto fetch(ReplyFunction replyOf, xcb_connection_t *connection, Cookie cookie)
{
    xcb_generic_error_t *error = nullptr;
    auto reply = owned(replyOf(connection, cookie, &error));
    std::free(error);
    return reply;
}

struct Atoms
{
    xcb_atom_t stacking = XCB_NONE;
    xcb_atom_t clientList = XCB_NONE;
    xcb_atom_t frameExtents = XCB_NONE;
    xcb_atom_t state = XCB_NONE;
    xcb_atom_t hidden = XCB_NONE;
    xcb_atom_t windowType = XCB_NONE;
    xcb_atom_t desktopType = XCB_NONE;
};

Atoms internAtoms(xcb_connection_t *connection)
{
    const QByteArray names[] = {
        "_NET_CLIENT_LIST_STACKING", "_NET_CLIENT_LIST",    "_NET_FRAME_EXTENTS",         "_NET_WM_STATE",
        "_NET_WM_STATE_HIDDEN",      "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DESKTOP"};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(connection, false, uint16_t(names[i].size()), names[i].constData());
    xcb_atom_t found[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i) {
        const auto reply = fetch(&xcb_intern_atom_reply, connection, cookies[i]);
        found[i] = reply ? reply->atom : XCB_NONE;
    }
    return {found[0], found[1], found[2], found[3], found[4], found[5], found[6]};
}

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    const xcb_screen_t *screen = X11Screen::screenAt(connection, X11Screen::displayScreenNumber());
    return screen ? screen->root : XCB_NONE;
}

template <typename Item> QList<Item> propertyItems(const xcb_get_property_reply_t *reply, xcb_atom_t type)
{
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto *items = static_cast<const Item *>(xcb_get_property_value(reply));
    return QList<Item>(items, items + xcb_get_property_value_length(reply) / int(sizeof(Item)));
}

xcb_get_property_cookie_t askProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                      xcb_atom_t type, uint32_t length)
{
    return xcb_get_property(connection, false, window, property, type, 0, length);
}

QList<xcb_window_t> clients(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
{
    for (const xcb_atom_t list : {atoms.stacking, atoms.clientList}) {
        const auto reply = fetch(&xcb_get_property_reply, connection,
                                 askProperty(connection, root, list, XCB_ATOM_WINDOW, kMaxClients));
        if (reply && reply->type == XCB_ATOM_WINDOW)
            return propertyItems<xcb_window_t>(reply.get(), XCB_ATOM_WINDOW);
    }
    return {};
}

// The questions asked about one client, answered after all of them went out.
struct Questions
{
    xcb_window_t window;
    xcb_get_window_attributes_cookie_t attributes;
    xcb_get_geometry_cookie_t geometry;
    xcb_translate_coordinates_cookie_t origin;
    xcb_get_property_cookie_t extents;
    xcb_get_property_cookie_t state;
    xcb_get_property_cookie_t type;
};

Questions ask(xcb_connection_t *connection, xcb_window_t window, xcb_window_t root, const Atoms &atoms)
{
    return {window,
            xcb_get_window_attributes(connection, window),
            xcb_get_geometry(connection, window),
            xcb_translate_coordinates(connection, window, root, 0, 0),
            askProperty(connection, window, atoms.frameExtents, XCB_ATOM_CARDINAL, kFrameExtents),
            askProperty(connection, window, atoms.state, XCB_ATOM_ATOM, kMaxAtoms),
            askProperty(connection, window, atoms.windowType, XCB_ATOM_ATOM, kMaxAtoms)};
}

// The client's frame, or nothing for a window that is not shown or is the desktop itself. Every reply
// is read, so that none stays queued.
std::optional<DesktopWindow> answer(xcb_connection_t *connection, const Questions &asked, const Atoms &atoms)
{
    const auto attributes = fetch(&xcb_get_window_attributes_reply, connection, asked.attributes);
    const auto geometry = fetch(&xcb_get_geometry_reply, connection, asked.geometry);
    const auto origin = fetch(&xcb_translate_coordinates_reply, connection, asked.origin);
    const auto extents = fetch(&xcb_get_property_reply, connection, asked.extents);
    const auto state = fetch(&xcb_get_property_reply, connection, asked.state);
    const auto type = fetch(&xcb_get_property_reply, connection, asked.type);
    if (!attributes || !geometry || !origin || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return std::nullopt;
    if (propertyItems<xcb_atom_t>(state.get(), XCB_ATOM_ATOM).contains(atoms.hidden) ||
        propertyItems<xcb_atom_t>(type.get(), XCB_ATOM_ATOM).contains(atoms.desktopType))
        return std::nullopt;

    // Left, right, top, bottom; the client's own border lies outside its origin as well.
    QList<uint32_t> frame = propertyItems<uint32_t>(extents.get(), XCB_ATOM_CARDINAL);
    frame.resize(kFrameExtents, 0);
    const int border = geometry->border_width;
    const QRect client(origin->dst_x - border, origin->dst_y - border, geometry->width + 2 * border,
                       geometry->height + 2 * border);
    return DesktopWindow{asked.window,
                         client.adjusted(-int(frame[0]), -int(frame[2]), int(frame[1]), int(frame[3]))};
}

} // namespace

QList<DesktopWindow> X11DesktopWindows::stack()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    static const Atoms atoms = internAtoms(connection);
    const xcb_window_t root = rootWindow(connection);
    if (root == XCB_NONE)
        return {};

    QList<Questions> asked;
    for (const xcb_window_t client : clients(connection, root, atoms))
        asked.append(ask(connection, client, root, atoms));
    QList<DesktopWindow> windows;
    for (const Questions &questions : std::as_const(asked)) {
        if (const std::optional<DesktopWindow> window = answer(connection, questions, atoms))
            windows.append(*window);
    }
    return windows;
}

#else

QList<DesktopWindow> X11DesktopWindows::stack()
{
    return {};
}

#endif
