// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11pointerevents.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <QByteArray>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace X11PointerEvents {
namespace {

// The event mask that the client selected on the window for `device`, one bit per event type.
QList<quint32> selectedFor(xcb_connection_t *connection, xcb_window_t window, quint16 device)
{
    QList<quint32> words;
    xcb_input_xi_get_selected_events_reply_t *reply = xcb_input_xi_get_selected_events_reply(
        connection, xcb_input_xi_get_selected_events(connection, window), nullptr);
    if (!reply)
        return words;
    for (xcb_input_event_mask_iterator_t it = xcb_input_xi_get_selected_events_masks_iterator(reply); it.rem;
         xcb_input_event_mask_next(&it)) {
        if (it.data->deviceid != device)
            continue;
        const quint32 *mask = xcb_input_event_mask_mask(it.data);
        for (int i = 0; i < it.data->mask_len; ++i)
            words << mask[i];
    }
    std::free(reply);
    return words;
}

void appendMask(QByteArray &masks, quint16 device, const QList<quint32> &words)
{
    const xcb_input_event_mask_t header{device, quint16(words.size())};
    masks.append(reinterpret_cast<const char *>(&header), sizeof header);
    masks.append(reinterpret_cast<const char *>(words.constData()), qsizetype(words.size() * sizeof(quint32)));
}

} // namespace

bool motionOnceOnly(WId window)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window)
        return false;
    const xcb_query_extension_reply_t *input = xcb_get_extension_data(connection, &xcb_input_id);
    if (!input || !input->present)
        return false;
    const QList<quint32> everyDevice = selectedFor(connection, xcb_window_t(window), XCB_INPUT_DEVICE_ALL);
    if (everyDevice.isEmpty())
        return false;
    // The devices keep their presses and releases: Qt ends a move by the window manager at the release.
    QList<quint32> buttonsOnly(everyDevice.size(), 0);
    for (const int type : {XCB_INPUT_BUTTON_PRESS, XCB_INPUT_BUTTON_RELEASE}) {
        const int word = type / 32;
        if (word < everyDevice.size())
            buttonsOnly[word] |= everyDevice[word] & (1u << (type % 32));
    }
    QByteArray masks;
    appendMask(masks, XCB_INPUT_DEVICE_ALL, buttonsOnly);
    appendMask(masks, XCB_INPUT_DEVICE_ALL_MASTER, everyDevice);
    xcb_input_xi_select_events(connection, xcb_window_t(window), 2,
                               reinterpret_cast<const xcb_input_event_mask_t *>(masks.constData()));
    xcb_flush(connection);
    return true;
}

} // namespace X11PointerEvents

#else

namespace X11PointerEvents {

bool motionOnceOnly(WId)
{
    return false;
}

} // namespace X11PointerEvents

#endif
