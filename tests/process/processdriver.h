// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Drives the real program on the test's X display: starts copies of it in a private home folder and
// finds, activates and measures their windows through the X tools.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class ProcessDriver
{
public:
    ProcessDriver()
    {
        QDir(m_home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_home.path() + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    ~ProcessDriver()
    {
        for (QProcess *process : std::as_const(m_processes)) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
            delete process;
        }
    }

    QString home() const { return m_home.path(); }
    QString settingsFile() const { return m_home.path() + QStringLiteral("/config/gradora.net/Gradora.ini"); }

    // How a copy starts beyond the private home: through another program (`setpriv ...`), with more
    // variables, with its standard error kept for the test to read, with arguments.
    struct StartOptions
    {
        QStringList wrapper;
        QStringList arguments;
        QProcessEnvironment environment;
        bool keepErrors = false;
    };

    QProcess *start() { return start(StartOptions()); }

    QProcess *start(const StartOptions &options)
    {
        auto *process = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path() + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":exitcode=99"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("GRADORA_UPDATE_URL"), QStringLiteral("http://127.0.0.1:9/"));
        env.insert(options.environment);
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(options.keepErrors ? QProcess::SeparateChannels
                                                          : QProcess::ForwardedErrorChannel);
        if (options.wrapper.isEmpty())
            process->start(executable(), options.arguments);
        else
            process->start(options.wrapper.first(), options.wrapper.mid(1)
                                                        << executable() << options.arguments);
        m_processes.append(process);
        return process;
    }

    static QString executable() { return qEnvironmentVariable("GRADORA_EXECUTABLE"); }

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

    // Visible windows of a process, optionally only those with exactly this title (case counts).
    static QStringList windows(const QProcess *process, const QString &title = QString())
    {
        const QString out =
            run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--pid"), QString::number(process->processId())});
        QStringList found = out.isEmpty() ? QStringList() : out.split('\n');
        if (!title.isNull()) {
            found.removeIf([&title](const QString &window) {
                return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), window}) != title;
            });
        }
        return found;
    }

    // Message boxes carry the program's title as the rulers do; they are dialogs, the rulers are not.
    static bool isDialog(const QString &window)
    {
        return run(QStringLiteral("xprop"),
                   {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_WINDOW_TYPE")})
            .contains(QLatin1String("_NET_WM_WINDOW_TYPE_DIALOG"));
    }

    // The ruler windows of a process.
    static QStringList rulers(const QProcess *process)
    {
        QStringList found = windows(process, QStringLiteral("Gradora"));
        found.removeIf([](const QString &window) { return isDialog(window); });
        return found;
    }

    // The client windows of the desktop from the bottom of the stack to its top, as decimal ids.
    static QStringList stackingOrder()
    {
        const QString out = run(QStringLiteral("xprop"),
                                {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        QStringList order;
        for (const QString &id : out.section(QLatin1Char('#'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            order.append(QString::number(id.trimmed().toULong(nullptr, 16)));
        return order;
    }

    static QRect geometryOf(const QString &window)
    {
        const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
        auto number = [&info](const QString &label) {
            const int at = int(info.indexOf(label));
            return at < 0 ? -1 : info.mid(at + label.size()).section('\n', 0, 0).trimmed().toInt();
        };
        return {number(QStringLiteral("Absolute upper-left X:")),
                number(QStringLiteral("Absolute upper-left Y:")), number(QStringLiteral("Width:")),
                number(QStringLiteral("Height:"))};
    }

    // Moves the pointer to `point`, then by one pixel so that the window beneath sees a motion there,
    // and clicks the left button.
    static void moveAndClick(QPoint point)
    {
        const QString x = QString::number(point.x());
        const QString y = QString::number(point.y());
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), x, y});
        QTest::qWait(100);
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), x, QString::number(point.y() + 1)});
        QTest::qWait(100);
        run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    }

    static void activateAndPress(const QString &window, const QString &keys)
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
        QTest::qWait(200);
        run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
    }

    // Presses the keys in the window until the process ends; a busy machine may lose a first press
    // (the window manager had not yet given the window the focus).
    static bool pressUntilFinished(QProcess *process, const QString &window, const QString &keys)
    {
        // waitForFinished() answers false for a process that has already finished.
        return pressUntil(window, keys, [process] {
            return process->state() == QProcess::NotRunning || process->waitForFinished(100);
        });
    }

    static bool pressUntil(const QString &window, const QString &keys, const std::function<bool()> &condition)
    {
        for (int attempt = 0; attempt < 4; ++attempt) {
            activateAndPress(window, keys);
            if (waitFor(condition, 10000))
                return true;
        }
        return false;
    }

    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 40000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    // The ruler window of a running copy, once it is shown.
    static QString rulerWindow(const QProcess *process)
    {
        QString found;
        waitFor([&] {
            const QStringList list = rulers(process);
            found = list.isEmpty() ? QString() : list.first();
            return !found.isEmpty();
        });
        return found;
    }

    // Waits until a copy started with the information panel shown is done starting: the panel comes
    // once the first ruler is out, and gives the keyboard back to that ruler, which raises it.
    static bool waitForInformationPanel(const QProcess *process)
    {
        return waitFor([process] { return !windows(process, QStringLiteral("Gradora — Information")).isEmpty(); });
    }

private:
    QTemporaryDir m_home;
    QList<QProcess *> m_processes;
};
