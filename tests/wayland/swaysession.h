// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Drives the Wayland session of tests/with-sway from a test: asks sway where the windows are and puts
// them where the test wants them, sends input through the compositor's virtual pointer and keyboard
// (tools/virtualinput.cpp), shows native windows of one colour (tools/colourwindow.cpp) and takes the
// compositor's own picture of the screen (grim). Every wait is bounded.

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QTest>

#include <functional>

namespace SwaySession {

// The screen of the session (tests/wayland/sway.conf).
inline constexpr QRect kScreen{0, 0, 1920, 1080};

struct Finished
{
    int exitCode = -1; // -1 when the program did not start, crashed or ran past its time
    QByteArray output;
    QByteArray errors;
};

inline Finished run(const QString &program, const QStringList &arguments, int timeoutMs = 15000)
{
    QProcess tool;
    tool.start(program, arguments);
    Finished finished;
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(2000);
        return finished;
    }
    finished.output = tool.readAllStandardOutput();
    finished.errors = tool.readAllStandardError();
    if (tool.exitStatus() == QProcess::NormalExit)
        finished.exitCode = tool.exitCode();
    return finished;
}

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

// Whether the test runs inside the session of tests/with-sway.
inline bool isRunning()
{
    return !qEnvironmentVariableIsEmpty("SWAYSOCK") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Runs a sway command ("[app_id=x] move absolute position 10 20"); whether sway carried it out.
inline bool command(const QString &text)
{
    const Finished finished = run(QStringLiteral("swaymsg"), {text});
    return finished.exitCode == 0;
}

inline QJsonObject query(const QString &type)
{
    const Finished finished = run(QStringLiteral("swaymsg"), {QStringLiteral("-r"), QStringLiteral("-t"), type});
    return QJsonDocument::fromJson(finished.output).object();
}

inline QJsonArray queryList(const QString &type)
{
    const Finished finished = run(QStringLiteral("swaymsg"), {QStringLiteral("-r"), QStringLiteral("-t"), type});
    return QJsonDocument::fromJson(finished.output).array();
}

// The windows on screen (native and XWayland, tiled and floating), as sway describes them.
inline QList<QJsonObject> windows()
{
    QList<QJsonObject> found;
    std::function<void(const QJsonObject &)> visit = [&](const QJsonObject &node) {
        if (node.contains(QLatin1String("pid")) && node.value(QLatin1String("visible")).toBool())
            found.append(node);
        for (const char *children : {"nodes", "floating_nodes"}) {
            for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
                visit(child.toObject());
        }
    };
    visit(query(QStringLiteral("get_tree")));
    return found;
}

inline QRect rectOf(const QJsonObject &window)
{
    const QJsonObject rect = window.value(QLatin1String("rect")).toObject();
    return {rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
            rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt()};
}

// The X window id of an XWayland window; 0 for a native one.
inline qulonglong x11Id(const QJsonObject &window)
{
    return window.value(QLatin1String("window")).toVariant().toULongLong();
}

// Sends input through the virtual pointer and keyboard (the commands of tools/virtualinput.cpp).
inline bool input(const QStringList &commands)
{
    const Finished finished = run(qEnvironmentVariable("GRADORA_VIRTUAL_INPUT"), commands, 30000);
    if (finished.exitCode != 0)
        qWarning("virtual-input %s: %s", qPrintable(commands.join(QLatin1Char(' '))), finished.errors.constData());
    return finished.exitCode == 0;
}

inline bool moveTo(QPoint point)
{
    return input({QStringLiteral("move"), QString::number(point.x()), QString::number(point.y())});
}

inline bool clickAt(QPoint point)
{
    return input({QStringLiteral("move"), QString::number(point.x()), QString::number(point.y()),
                  QStringLiteral("click")});
}

inline bool press(const QString &chord)
{
    return input({QStringLiteral("key"), chord});
}

// The whole screen as the compositor shows it.
inline QImage screen()
{
    const Finished finished = run(QStringLiteral("grim"), {QStringLiteral("-")});
    QImage picture;
    picture.loadFromData(finished.output, "PNG");
    return picture.convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the rectangle have exactly this colour.
inline int pixelsOfColor(const QImage &picture, const QRect &area, const QColor &color)
{
    int count = 0;
    const QRect inside = area & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += picture.pixelColor(x, y) == color ? 1 : 0;
    }
    return count;
}

// A native Wayland window of one colour, put where the test wants it. It reports the input it gets.
class ColorWindow
{
public:
    ~ColorWindow()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    // Shows the window at the rectangle; whether sway shows it exactly there.
    bool show(const QRect &rect, const QColor &color)
    {
        m_process.start(qEnvironmentVariable("GRADORA_COLOUR_WINDOW"),
                        {QString::number(rect.width()), QString::number(rect.height()), color.name().mid(1)});
        if (!waitFor([this] { return reports().contains(QStringLiteral("shown")); }, 10000))
            return false;
        const QString criteria = QStringLiteral("[pid=%1]").arg(m_process.processId());
        command(criteria + QStringLiteral(" move absolute position %1 %2").arg(rect.x()).arg(rect.y()));
        return waitFor([&] { return this->rect() == rect; }, 5000);
    }

    QRect rect() const
    {
        for (const QJsonObject &window : windows()) {
            if (window.value(QLatin1String("pid")).toInteger() == m_process.processId())
                return rectOf(window);
        }
        return {};
    }

    bool focus() const { return command(QStringLiteral("[pid=%1] focus").arg(m_process.processId())); }

    // Everything the window has reported so far, one line each.
    QStringList reports()
    {
        m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
        return m_output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QProcess m_process;
    QString m_output;
};

} // namespace SwaySession
