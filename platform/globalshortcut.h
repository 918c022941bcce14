// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

// A key that reaches the program from anywhere on the desktop, asked of the desktop in the way the
// session allows: the desktop portal's global shortcuts, a key grab on the X server, or not at all
// (then the user binds `gradora --toggle` in the desktop's own keyboard settings). One per process,
// chosen with the Desktop at start.
//
// bind() asks for a key (an empty sequence gives the key back); the answer may come later, and
// stateChanged() tells it. A key that another program holds is reported as Taken, never dropped
// silently.
class GlobalShortcut : public QObject
{
    Q_OBJECT
public:
    enum class Route
    {
        Portal,  // org.freedesktop.portal.GlobalShortcuts
        KeyGrab, // a passive grab on the X server's root window
        None,    // the desktop offers no way
    };
    enum class State
    {
        Off,         // no key chosen
        Waiting,     // asked, no answer yet
        Active,      // the key reaches the program
        Taken,       // another program holds the key
        Refused,     // the key cannot serve, or the desktop refused it
        Unavailable, // this desktop offers no global keys to the program
    };

    using QObject::QObject;

    virtual Route route() const = 0;
    // Asks for `key` in place of the one held; an empty sequence only gives the held key back.
    virtual void bind(const QKeySequence &key) = 0;

    State state() const { return m_state; }
    QKeySequence key() const { return m_key; }
    // What the desktop said beyond the state: the key as the desktop shows it, or why it failed.
    QString detail() const { return m_detail; }

    // The state in words for the Preferences page.
    QString note() const { return noteFor(m_state, m_key, m_detail); }
    static QString noteFor(State state, const QKeySequence &key, const QString &detail);
    static constexpr char kToggleCommand[] = "gradora --toggle";
    // How to get the same from the desktop's own keyboard settings.
    static QString desktopSettingsAdvice();

Q_SIGNALS:
    // The key was pressed: show or hide the rulers.
    void activated();
    void stateChanged();

protected:
    void setState(State state, const QKeySequence &key, const QString &detail = QString());

private:
    State m_state = State::Off;
    QKeySequence m_key;
    QString m_detail;
};

// The route of a desktop that offers no global keys: every key is answered with the advice to bind
// `gradora --toggle` in the desktop's own settings.
class NoGlobalShortcut : public GlobalShortcut
{
    Q_OBJECT
public:
    explicit NoGlobalShortcut(QObject *parent = nullptr);
    Route route() const override { return Route::None; }
    void bind(const QKeySequence &key) override;
};
