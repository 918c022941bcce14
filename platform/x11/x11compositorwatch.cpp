// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11compositorwatch.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include "platform/x11/x11screen.h"

namespace {

constexpr uint32_t kXFixesMajor = 5;
constexpr uint32_t kXFixesMinor = 0;

class SelectionFilter : public QObject, public QAbstractNativeEventFilter
{
public:
    SelectionFilter(QObject *owner, xcb_atom_t selection, uint8_t firstXFixesEvent,
                    const std::function<void(bool running)> &changed)
        : QObject(owner), m_selection(selection),
          m_selectionNotify(firstXFixesEvent + XCB_XFIXES_SELECTION_NOTIFY), m_changed(changed)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~SelectionFilter() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) != m_selectionNotify)
            return false;
        const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
        if (notify->selection == m_selection)
            m_changed(notify->owner != XCB_NONE);
        return false; // the toolkit follows the same selection for itself
    }

private:
    xcb_atom_t m_selection;
    uint8_t m_selectionNotify;
    std::function<void(bool running)> m_changed;
};

bool hasOwner(xcb_connection_t *connection, xcb_atom_t selection)
{
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}

} // namespace

std::optional<bool> X11CompositorWatch::start(QObject *owner,
                                              const std::function<void(bool running)> &changed)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const int number = X11Screen::displayScreenNumber();
    xcb_screen_t *screen = X11Screen::screenAt(connection, number);
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (!screen || !xfixes || !xfixes->present)
        return std::nullopt;
    std::free(xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, kXFixesMajor, kXFixesMinor), nullptr));

    const xcb_atom_t selection = X11Screen::atom(connection, "_NET_WM_CM_S" + QByteArray::number(number), false);
    if (selection == XCB_NONE)
        return std::nullopt;
    xcb_xfixes_select_selection_input(connection, screen->root, selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    // Asked after the selection is watched, so that a manager starting in between is not missed.
    const bool running = hasOwner(connection, selection);
    xcb_flush(connection);
    new SelectionFilter(owner, selection, xfixes->first_event, changed);
    return running;
}

#else

std::optional<bool> X11CompositorWatch::start(QObject *, const std::function<void(bool running)> &)
{
    return std::nullopt;
}

#endif
