// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "compositingmanager.h"
#include "plainwindow.h"
#include "processdriver.h"

#include <QSettings>

// What the tools that read the screen look at: a desktop of one colour, a plain window of the test on
// it and, over that window, a bare ruler of the program (no figure, no readings), with a compositing
// manager where the case wants one.
class RulerOverWindow
{
public:
    RulerOverWindow(const QColor &desktop, const QRect &window, const QColor &windowColor, const QRect &ruler)
        : m_desktop(desktop), m_window(window, windowColor), m_ruler(ruler)
    {
    }

    // The ruler's window once it stands in its place; empty where a step failed.
    QString start(bool composited)
    {
        ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), m_desktop.name()});
        // Shown before the ruler, it stands beneath it.
        if (!m_window.showExposed() || (composited && !m_compositor.start()))
            return {};
        {
            QSettings store(m_driver.settingsFile(), QSettings::IniFormat);
            store.setValue(QStringLiteral("flyingFigureVisible"), false);
            store.setValue(QStringLiteral("showRulerReadings"), false);
            store.setValue(QStringLiteral("geometry"), m_ruler);
        }
        m_process = m_driver.start();
        const QString window = ProcessDriver::rulerWindow(m_process);
        if (window.isEmpty() ||
            !ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == m_ruler; }, 10000))
            return {};
        return window;
    }
    QProcess *program() const { return m_process; }

private:
    QColor m_desktop;
    PlainWindow m_window;
    QRect m_ruler;
    CompositingManager m_compositor;
    ProcessDriver m_driver;
    QProcess *m_process = nullptr;
};
