// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QObject>

// The live connections of whoever opened a shared dialog last: the next opening drops them, so that
// only one ruler follows the dialog's edits at a time.
class FollowerConnections
{
public:
    void replace(const QList<QMetaObject::Connection> &connections)
    {
        drop();
        m_connections = connections;
    }
    void drop()
    {
        for (const QMetaObject::Connection &connection : std::as_const(m_connections))
            QObject::disconnect(connection);
        m_connections.clear();
    }

private:
    QList<QMetaObject::Connection> m_connections;
};
