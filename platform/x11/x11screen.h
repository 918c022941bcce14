// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The X screen the program runs on; included only where XCB is available.
#include <QByteArray>

#include <cstdlib>
#include <xcb/xcb.h>

namespace X11Screen {

// The number of the screen that DISPLAY names, to which the toolkit connects.
inline int displayScreenNumber()
{
    int number = 0;
    char *host = nullptr;
    int display = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &number))
        number = 0;
    std::free(host);
    return number;
}

// The screen of that number, or none.
inline xcb_screen_t *screenAt(xcb_connection_t *connection, int number)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem > 0; ++i, xcb_screen_next(&it)) {
        if (i == number)
            return it.data;
    }
    return nullptr;
}

// The atom of that name; none where the server does not answer, or, with `onlyIfExists`, where no
// client has made it yet (then nothing can have set a property by that name).
inline xcb_atom_t atom(xcb_connection_t *connection, const QByteArray &name, bool onlyIfExists)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, onlyIfExists, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return found;
}

} // namespace X11Screen
