// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>

// A compositor's control socket (see ControlSocketMessage): runs a command and waits for its reply.
// Each call connects anew and waits at most kReplyTimeoutMs, so a compositor that went away or hangs
// costs one short wait, never a hung program.
namespace ControlSocket {

inline constexpr int kReplyTimeoutMs = 1000;

struct Result
{
    enum class Outcome
    {
        Done,      // every command worked
        Refused,   // the compositor answered that a command failed
        NoAnswer,  // no socket, no answer in time, or no answer that could be read
    };
    Outcome outcome = Outcome::NoAnswer;
    QString failure; // why not, in plain words; empty when done
    QByteArray payload; // the answer, when there is one
};

// Runs `command` on the socket at `path`.
Result run(const QString &path, const QString &command);

// Asks the question of type `type` (see ControlSocketMessage) on the socket at `path`: done with the
// compositor's answer in `payload`, or no answer.
Result ask(const QString &path, quint32 type, const QByteArray &payload = QByteArray());

} // namespace ControlSocket
