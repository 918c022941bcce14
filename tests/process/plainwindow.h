// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QTest>
#include <QWidget>

// A plain window of the test, of one colour, for the program to see on the desktop.
class PlainWindow : public QWidget
{
public:
    PlainWindow(const QRect &geometry, const QColor &color) : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setAutoFillBackground(true);
        QPalette shade = palette();
        shade.setColor(QPalette::Window, color);
        setPalette(shade);
        setGeometry(geometry);
    }

    // The window manager may still be settling when the first window of the run is mapped, and the
    // window then waits for an exposure that never comes: it is shown once more.
    bool showExposed()
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            show();
            if (QTest::qWaitForWindowExposed(this, 4000))
                return true;
            hide();
        }
        return false;
    }
};
