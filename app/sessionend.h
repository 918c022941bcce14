// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QObject>

class QSocketNotifier;

// Hears the end of the session: SIGTERM (logout, shutdown, `kill`, a service manager's stop),
// SIGINT and SIGHUP. The signal handler only writes the signal's number into a socket pair; the
// event loop reads it and announces endRequested(), where the program ends as "Quit" ends it.
// The display going away ends the program from inside the toolkit, which says "The X11 connection
// broke" and exits without a way back to the event loop: displayLost() is announced right there,
// before the process ends (connect to it directly; the settings live in memory and writing them needs
// no display).
// One object per process; it restores the default handlers when destroyed.
class SessionEnd : public QObject
{
    Q_OBJECT
public:
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd &) = delete;
    SessionEnd &operator=(const SessionEnd &) = delete;

    // False where the socket pair could not be made; the signals then end the program unsaved.
    bool isListening() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void endRequested(int signalNumber);
    void displayLost();

private:
    void readSignal();
    QSocketNotifier *m_notifier = nullptr;
};
