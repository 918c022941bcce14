// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QtGui/qwindowdefs.h>

#include <optional>

// The messages of a compositor's control socket in the i3 framing (sway publishes one at $SWAYSOCK):
// the magic "i3-ipc", the payload's length and the message type as 32-bit numbers in the machine's
// byte order, then the payload. A command is text; its reply is a JSON list with one
// {"success": …, "error": …} object per command. No socket here: the framing and the texts alone.
namespace ControlSocketMessage {

inline constexpr quint32 kRunCommand = 0;
// Asks for the layout: a JSON tree of outputs, workspaces and windows (see CompositorTree).
inline constexpr quint32 kGetTree = 4;

QByteArray message(quint32 type, const QByteArray &payload = QByteArray());
// The message that runs `command` (one or more commands, separated by commas).
QByteArray runCommand(const QString &command);

struct Reply
{
    quint32 type = 0;
    QByteArray payload;
};

// Takes one whole reply from the front of `received`, or nothing while it is not all there yet.
// Bytes that are no reply at all make `malformed` true.
std::optional<Reply> takeReply(QByteArray &received, bool *malformed);

// Why a command's reply says it failed, in the compositor's words; empty when every command worked.
QString failureOf(const QByteArray &replyPayload);

// The command that puts the X window `window` (of an XWayland client) at `frame`, in the layout's
// logical coordinates: its size first, so that the place is the last word.
QString placementCommand(WId window, const QRect &frame);

// The command that has the compositor draw the X window `window` with `opacity` (0 transparent, 1
// opaque), whatever opacity the window asks for itself.
QString opacityCommand(WId window, qreal opacity);
// The same for every window of the process `pid`, native ones included.
QString processOpacityCommand(qint64 pid, qreal opacity);

} // namespace ControlSocketMessage
