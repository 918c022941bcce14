// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11windowmove.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <xcb/xcb.h>

namespace X11WindowMove {

bool moveTo(WId window, const QPoint &topLeft)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window)
        return false;
    // The values are 32-bit words; a negative coordinate travels as its two's complement.
    const quint32 values[] = {quint32(qint32(topLeft.x())), quint32(qint32(topLeft.y()))};
    xcb_configure_window(connection, xcb_window_t(window), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(connection);
    return true;
}

} // namespace X11WindowMove

#else

namespace X11WindowMove {

bool moveTo(WId, const QPoint &)
{
    return false;
}

} // namespace X11WindowMove

#endif
