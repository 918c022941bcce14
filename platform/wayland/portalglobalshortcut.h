// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/globalshortcut.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QVariantMap>

#include <functional>

// The global key through the desktop portal (org.freedesktop.portal.GlobalShortcuts), for Wayland
// sessions, where no program may grab keys for itself: a session is opened, the one shortcut bound in
// it with the chosen key as the preferred trigger, and the portal's Activated signal heard. The desktop
// may give the shortcut another key, or ask the user: the note then shows the key it chose. A desktop
// without the interface makes the route Unavailable, and the Preferences page says how to bind
// `gradora --toggle` instead.
class PortalGlobalShortcut : public GlobalShortcut
{
    Q_OBJECT
public:
    // The shortcut's name in the portal's session.
    static constexpr char kShortcutId[] = "toggle-rulers";
    static const QString kInterface;

    explicit PortalGlobalShortcut(QObject *parent = nullptr);
    ~PortalGlobalShortcut() override;

    Route route() const override { return Route::Portal; }
    void bind(const QKeySequence &key) override;

private Q_SLOTS:
    void portalActivated(const QDBusObjectPath &session, const QString &shortcutId, qulonglong timestamp,
                         const QVariantMap &options);
    // The desktop ended the session (the portal restarted, the user took the permission back).
    void sessionClosed(const QVariantMap &details);

private:
    using Answered = std::function<void(uint response, const QVariantMap &results)>;
    // Calls `method` of the portal with `arguments`, the request's handle token put into `options`
    // (the last argument), and hands the Response to `answered`, unless bind() was called since.
    void request(const QString &method, QVariantList arguments, const Answered &answered);
    void createSession();
    void bindShortcut(const QString &sessionPath);
    void bound(uint response, const QVariantMap &results);
    void closeSession();
    void failed(const QString &why, bool noPortal);

    QDBusConnection m_bus;
    QString m_session;
    QString m_trigger;
    // Counts the binds, so that the answer to an earlier one is ignored.
    int m_generation = 0;
};
