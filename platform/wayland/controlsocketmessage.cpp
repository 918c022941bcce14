// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/controlsocketmessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace ControlSocketMessage {

namespace {
const QByteArray kMagic = QByteArrayLiteral("i3-ipc");
constexpr int kHeaderSize = 6 + 4 + 4;
// More than any reply to our questions (a layout tree of many windows included); a length beyond it is
// garbage, not a reply to wait for.
constexpr quint32 kLongestReply = 16 << 20;

void appendNumber(QByteArray &message, quint32 number)
{
    message.append(reinterpret_cast<const char *>(&number), sizeof number);
}

quint32 numberAt(const QByteArray &bytes, int offset)
{
    quint32 number = 0;
    std::memcpy(&number, bytes.constData() + offset, sizeof number);
    return number;
}
} // namespace

QByteArray message(quint32 type, const QByteArray &payload)
{
    QByteArray framed = kMagic;
    appendNumber(framed, quint32(payload.size()));
    appendNumber(framed, type);
    return framed + payload;
}

QByteArray runCommand(const QString &command)
{
    return message(kRunCommand, command.toUtf8());
}

std::optional<Reply> takeReply(QByteArray &received, bool *malformed)
{
    *malformed = false;
    if (received.size() < kHeaderSize)
        return std::nullopt;
    const quint32 length = numberAt(received, kMagic.size());
    if (!received.startsWith(kMagic) || length > kLongestReply) {
        *malformed = true;
        return std::nullopt;
    }
    if (received.size() < kHeaderSize + qsizetype(length))
        return std::nullopt;
    Reply reply{numberAt(received, kMagic.size() + 4), received.mid(kHeaderSize, length)};
    received.remove(0, kHeaderSize + length);
    return reply;
}

QString failureOf(const QByteArray &replyPayload)
{
    const QJsonDocument document = QJsonDocument::fromJson(replyPayload);
    if (!document.isArray() || document.array().isEmpty())
        return QStringLiteral("the compositor's answer could not be read");
    for (const QJsonValue &result : document.array()) {
        const QJsonObject object = result.toObject();
        if (object.value(QLatin1String("success")).toBool())
            continue;
        const QString error = object.value(QLatin1String("error")).toString();
        return error.isEmpty() ? QStringLiteral("the compositor refused the command") : error;
    }
    return {};
}

QString placementCommand(WId window, const QRect &frame)
{
    return QStringLiteral("[id=%1] resize set width %2 px height %3 px, move absolute position %4 px %5 px")
        .arg(window)
        .arg(frame.width())
        .arg(frame.height())
        .arg(frame.x())
        .arg(frame.y());
}

namespace {
// The compositor refuses an opacity outside 0…1, which would leave a window transparent.
QString opacitySetting(qreal opacity)
{
    return QStringLiteral(" opacity set %1").arg(qBound(0.0, opacity, 1.0));
}
} // namespace

QString opacityCommand(WId window, qreal opacity)
{
    return QStringLiteral("[id=%1]").arg(window) + opacitySetting(opacity);
}

QString processOpacityCommand(qint64 pid, qreal opacity)
{
    return QStringLiteral("[pid=%1]").arg(pid) + opacitySetting(opacity);
}

} // namespace ControlSocketMessage
