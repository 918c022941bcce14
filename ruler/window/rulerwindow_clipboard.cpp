// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The readings on the clipboard (see CopiedReadings for the text).
#include "ruler/window/rulerwindow.h"

#include "figure/copiedreadings.h"
#include "render/devicesize.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>

void RulerWindow::copyReadings()
{
    std::optional<CopiedReadings::Figure> shownFigure;
    if (option(RulerOption::ShowFigure))
        shownFigure = CopiedReadings::Figure{CopiedReadings::kindName(m_figure.model()), figureReadings()};
    QGuiApplication::clipboard()->setText(CopiedReadings::text(size(), readingScale(), shownFigure, QLocale(),
                                                               DeviceSize::note(size(), displayScale())));
}
