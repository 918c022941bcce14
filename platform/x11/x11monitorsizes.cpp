// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11monitorsizes.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)
#include <cstdlib>
#include <xcb/randr.h>
#include <xcb/xcb.h>
#endif

namespace X11MonitorSizes {

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)
namespace {

// Frees a reply of the X server when it goes out of scope.
template <typename Reply> struct Owned
{
    Reply *reply;
    ~Owned() { std::free(reply); }
    Reply *operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

// The lit outputs of one X screen: the place of each one's picture, and the size the output reports.
QList<MonitorSize> monitorsOf(xcb_connection_t *connection, xcb_window_t root)
{
    QList<MonitorSize> found;
    const Owned<xcb_randr_get_screen_resources_current_reply_t> resources{
        xcb_randr_get_screen_resources_current_reply(
            connection, xcb_randr_get_screen_resources_current(connection, root), nullptr)};
    if (!resources)
        return found;
    const xcb_randr_output_t *outputs = xcb_randr_get_screen_resources_current_outputs(resources.reply);
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.reply);
    for (int i = 0; i < count; ++i) {
        const Owned<xcb_randr_get_output_info_reply_t> output{xcb_randr_get_output_info_reply(
            connection, xcb_randr_get_output_info(connection, outputs[i], resources->config_timestamp),
            nullptr)};
        if (!output || output->crtc == XCB_NONE)
            continue;
        const Owned<xcb_randr_get_crtc_info_reply_t> crtc{xcb_randr_get_crtc_info_reply(
            connection, xcb_randr_get_crtc_info(connection, output->crtc, resources->config_timestamp),
            nullptr)};
        if (!crtc)
            continue;
        found.append({QRect(crtc->x, crtc->y, crtc->width, crtc->height),
                      QSize(int(output->mm_width), int(output->mm_height))});
    }
    return found;
}

} // namespace
#endif

QList<MonitorSize> monitors()
{
    QList<MonitorSize> found;
#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return found;
    for (xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem > 0;
         xcb_screen_next(&screens))
        found += monitorsOf(connection, screens.data->root);
#endif
    return found;
}

} // namespace X11MonitorSizes
