// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/globalshortcut.h"

#include <memory>

// The global key of an X session: a passive grab of the key on the root window, with and without
// CapsLock and NumLock, so that their lights do not matter. A key that another client grabbed first
// makes the X server answer BadAccess: the key is reported Taken and nothing of it is kept.
class X11KeyGrab : public GlobalShortcut
{
    Q_OBJECT
public:
    explicit X11KeyGrab(QObject *parent = nullptr);
    ~X11KeyGrab() override;

    // Whether the program talks to an X server at all (otherwise every bind() is Unavailable).
    static bool isAvailable();

    Route route() const override { return Route::KeyGrab; }
    void bind(const QKeySequence &key) override;

private:
    struct Grab;
    void release();
    void pressed(bool down);

    std::unique_ptr<Grab> m_grab;
    bool m_down = false;
};
